#include "controls/wildcard.h"

#include <algorithm>
#include <cctype>

namespace hifz {
namespace {

char folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Iterative glob match with one backtrack point: linear in practice, no recursion.
bool matchesOne(std::string_view name, std::string_view pattern) {
  std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || folded(pattern[p]) == folded(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool matchesWildcard(std::string_view name, std::string_view pattern) {
  if (matchesOne(name, pattern)) return true;
  // "name.*" and "*.*" take in names with no extension at all, as they do on Windows.
  return pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
         matchesOne(name, pattern.substr(0, pattern.size() - 2));
}

}  // namespace

bool matchesFilePattern(std::string_view fileName, std::string_view pattern) {
  while (true) {
    const std::size_t end = pattern.find(';');
    const std::string_view one = pattern.substr(0, end);
    if (!one.empty() && matchesWildcard(fileName, one)) return true;
    if (end == std::string_view::npos) return false;
    pattern.remove_prefix(end + 1);
  }
}

bool fileNameLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return folded(x) < folded(y); });
}

}  // namespace hifz
