#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "content/chapter_plan.h"

namespace hifz::testing {

/// The whole sample content, made once per test program into a temporary
/// application folder that goes away with the program.
const std::filesystem::path& generatedApplicationFolder();
std::filesystem::path generatedDataFolder();

/// The program's own path of a folder of the generated content: the
/// application folder, a backslash, then `tail` with backslashes.
std::string programPath(const std::string& tail);

/// A chapter of the catalog as these tests know it: typed here again, from
/// the program's catalog and the Quran's verse counts.
struct KnownChapter {
  std::string group;
  std::string key;
  std::string folder;
  int verses = 0;
};
const std::vector<KnownChapter>& knownChapters();

}  // namespace hifz::testing
