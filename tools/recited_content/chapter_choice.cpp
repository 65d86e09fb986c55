#include "recited_content/chapter_choice.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "content/quran_parts.h"

namespace hifz::content {
namespace {

constexpr int kChapters = 114;

// A whole number of a few digits and nothing else; 0 for anything else.
int number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.size() > 3 || error != std::errc() || end != text.data() + text.size())
    return 0;
  return value;
}

// Each comma-separated item, a number or a range "a-b" of numbers from 1 to
// `last`, given in order to `take`.
ChapterChoice readList(std::string_view list, std::string_view what, int last,
                       const std::function<void(int, ChapterChoice&)>& take) {
  ChapterChoice choice;
  const auto fail = [&](std::string_view item, const std::string& why) {
    return ChapterChoice{{}, "\"" + std::string(item) + "\" " + why};
  };
  const std::string bounds = " (" + std::string(what) + "s are 1 to " + std::to_string(last) + ")";
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view item = list.substr(start, comma - start);
    start = comma + 1;
    const std::size_t dash = item.find('-');
    const int first = number(item.substr(0, dash));
    const int end = dash == std::string_view::npos ? first : number(item.substr(dash + 1));
    if (first < 1 || end < 1) return fail(item, "is not a " + std::string(what) + bounds);
    if (first > last || end > last)
      return fail(item, "goes past the last " + std::string(what) + bounds);
    if (end < first) return fail(item, "runs backwards; write the smaller number first");
    for (int value = first; value <= end; ++value) take(value, choice);
  }
  return choice;
}

void add(int surah, ChapterChoice& choice) {
  if (std::find(choice.surahs.begin(), choice.surahs.end(), surah) == choice.surahs.end())
    choice.surahs.push_back(surah);
}

}  // namespace

ChapterChoice chaptersNamed(std::string_view list) {
  return readList(list, "chapter", kChapters, add);
}

ChapterChoice chaptersOfParts(std::string_view list) {
  return readList(list, "part", kParts, [](int part, ChapterChoice& choice) {
    for (const int surah : chaptersInPart(part)) add(surah, choice);
  });
}

}  // namespace hifz::content
