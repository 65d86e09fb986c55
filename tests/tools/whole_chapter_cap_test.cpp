#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "content/catalog.h"
#include "content/chapter_plan.h"
#include "content/recited/recited_movies.h"
#include "recitation_files.h"

namespace hifz::content {
namespace {

using ::testing::HasSubstr;

// A short verse whose frames are padded out to `bytes`: the cap looks at the
// sound's size, whatever it lasts.
Mp3Audio verseOf(std::size_t bytes) {
  auto read = readMp3(testing::toneMp3(440, 0.5, 44100, 1));
  Mp3Audio audio = std::get<Mp3Audio>(std::move(read));
  audio.frames.resize(bytes, 0);
  return audio;
}

bool hasWholeChapter(const RecitedMovies& movies) {
  return std::any_of(movies.files.begin(), movies.files.end(),
                     [](const ContentFile& file) { return file.path == kWholeChapterMovie; });
}

TEST(WholeChapterCap, TheWholeChapterMovieIsMadeOnlyUnderTwentyMegabytes) {
  struct Case {
    std::size_t firstVerse;
    std::size_t secondVerse;
    const char* leftOut;  // nullptr when the movie is made
  };
  const Case cases[] = {
      {500'000, 500'000, nullptr},
      {kWholeChapterCap / 2, kWholeChapterCap / 2, "sound alone would make it 20 MB"},
      {kWholeChapterCap / 2, kWholeChapterCap / 2 - 1, "it would be 20 MB or more"},
  };
  ChapterText text{2, "", false, {"أ ب", "ج د"}, ""};
  const ChapterPlan plan = planRecitedChapter(catalog()[0], text, {{1, 13}, {2, 13}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.firstVerse + c.secondVerse);
    std::map<int, VerseSound> sounds;
    sounds.emplace(1, VerseSound{"1.mp3", verseOf(c.firstVerse)});
    sounds.emplace(2, VerseSound{"2.mp3", verseOf(c.secondVerse)});
    const RecitedMovies movies = recitedMovies(plan, sounds);
    EXPECT_EQ(movies.files.size(), c.leftOut ? 2u : 3u) << "the verses' movies are always made";
    EXPECT_EQ(hasWholeChapter(movies), c.leftOut == nullptr);
    if (c.leftOut) {
      EXPECT_THAT(movies.wholeLeftOut, HasSubstr(c.leftOut));
    }
    for (const ContentFile& file : movies.files) {
      if (file.path == kWholeChapterMovie) {
        EXPECT_LT(file.bytes.size(), kWholeChapterCap);
      }
    }
  }
}

}  // namespace
}  // namespace hifz::content
