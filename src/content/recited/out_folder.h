#pragma once

#include <filesystem>

namespace hifz::content {

/// OUT as an absolute path without a trailing separator.
std::filesystem::path normalOut(const std::filesystem::path& out);

/// Throws ContentError, saying why, unless OUT can be made: it is not there,
/// or `force` is given and it is a folder that is empty or holds only the
/// program's content ("data" and "2 blank.gif"). Its folder must be there,
/// and AUDIO must not lie inside an OUT that would be replaced.
void checkOut(const std::filesystem::path& out, const std::filesystem::path& audio, bool force);

/// Throws ContentError unless OUT, which is there, holds nothing but the
/// program's content.
void checkReplaceable(const std::filesystem::path& out);

}  // namespace hifz::content
