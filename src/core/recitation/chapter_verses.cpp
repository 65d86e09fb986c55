#include "recitation/chapter_verses.h"

#include <algorithm>
#include <string_view>

#include "controls/wildcard.h"
#include "recitation/reading_rules.h"
#include "recitation/verse_code.h"

namespace hifz {

int lastVerseOf(const std::vector<std::string>& fileNames) {
  for (int verse = kLastCodedVerse; verse >= 1; --verse) {
    // The pattern a range reading lists a verse's movies by.
    const std::string pattern = std::string(VerseCode(verse)) + "-*.*";
    const bool hasMovie = std::any_of(fileNames.begin(), fileNames.end(), [&](const auto& name) {
      return matchesFilePattern(name, pattern) && !matchesFilePattern(name, kWholeChapterMovies);
    });
    if (hasMovie) return verse;
  }
  return 0;
}

}  // namespace hifz
