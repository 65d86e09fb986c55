#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hifz::content {

/// The chapters a command line chose, or why it chose none.
struct ChapterChoice {
  std::vector<int> surahs;  // in the order named, each once
  std::string problem;      // empty when the choice is good
};

/// "--chapters": chapter numbers (1 to 114) and ranges of them, joined by
/// commas: "78-114,1".
ChapterChoice chaptersNamed(std::string_view list);

/// "--parts": part numbers (1 to 30) and ranges of them, "30,29" or "28-30":
/// every chapter that has a verse in them, so that the parts are whole.
ChapterChoice chaptersOfParts(std::string_view list);

}  // namespace hifz::content
