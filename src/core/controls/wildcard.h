#pragma once

#include <string_view>

namespace hifz {

/// Whether a file name matches a pattern of one or more Windows wildcards
/// joined by ';' ("*" any run of characters, "?" one character), ignoring
/// letter case. A pattern ending in ".*" also matches names without a dot.
bool matchesFilePattern(std::string_view fileName, std::string_view pattern);

/// Orders two names as a file list does: by name, ignoring letter case.
bool fileNameLess(std::string_view a, std::string_view b);

}  // namespace hifz
