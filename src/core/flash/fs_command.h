#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace hifz {

/// FSCommand strings are compared after lower-casing (ASCII letters only).
inline std::string lowerCased(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

/// Whether an FSCommand is a click; every handler acts on clicks only.
inline bool isClick(const std::string& command) { return lowerCased(command) == "click"; }

}  // namespace hifz
