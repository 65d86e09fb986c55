#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hifz {

/// A number as its shortest decimal text: 37448, -3, 1.5.
std::string numberText(double value);

/// The number a caption or text holds, ignoring surrounding blanks; nothing
/// when the text is not a plain decimal number.
std::optional<double> textNumber(std::string_view text);

/// A whole number of one to three digits, with no sign, blank or leading
/// zero, as menus send keys and catalogs write counts: "7", "286"; nothing
/// for any other text.
std::optional<int> plainNumber(std::string_view text);

}  // namespace hifz
