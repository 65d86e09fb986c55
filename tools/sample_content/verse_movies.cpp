#include "sample_content/verse_movies.h"

#include "sample_content/look.h"
#include "sample_content/tone.h"
#include "sample_content/verse_page.h"

namespace hifz::content {
namespace {

std::vector<std::uint8_t> verseMovie(const ChapterPlan& plan, const VerseMovie& verse,
                                     const Picture& words) {
  swf::MovieBuilder movie(stageOptions(kMainDisplay));
  showVersePageFrame(movie, plan);
  showPicture(movie, words, kVerseWordsDepth);
  showPicture(movie, verseCaption(plan, verse.verse, verse.breath, verse.breaths),
              kVerseCaptionDepth);
  movie.streamSound(placeholderTone(verse.frames));
  for (int frame = 1; frame <= verse.frames; ++frame) {
    if (frame == verse.frames) movie.stop();
    movie.showFrame();
  }
  return packed(movie);
}

// One stretch of the whole-chapter movie: a verse, as long as all its movies.
struct Stretch {
  int verse = 0;
  int frames = 0;
};

std::vector<Stretch> stretches(const ChapterPlan& plan) {
  std::vector<Stretch> result;
  for (const VerseMovie& movie : plan.verseMovies) {
    if (result.empty() || result.back().verse != movie.verse) result.push_back({movie.verse, 0});
    result.back().frames += movie.frames;
  }
  return result;
}

std::vector<std::uint8_t> wholeChapterMovie(const ChapterPlan& plan,
                                            const std::vector<Picture>& verseWordsPictures) {
  const std::vector<Stretch> parts = stretches(plan);
  swf::Pcm sound{kSoundRate, {}};
  for (const Stretch& part : parts) {
    const swf::Pcm tone = placeholderTone(part.frames);
    sound.samples.insert(sound.samples.end(), tone.samples.begin(), tone.samples.end());
  }
  swf::MovieBuilder movie(stageOptions(kMainDisplay));
  showVersePageFrame(movie, plan);
  movie.streamSound(sound);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Stretch& part = parts[i];
    if (i > 0) {
      movie.remove(kVerseWordsDepth);
      movie.remove(kVerseCaptionDepth);
    }
    showPicture(movie, verseWordsPictures[static_cast<std::size_t>(part.verse - 1)],
                kVerseWordsDepth);
    showPicture(movie, verseCaption(plan, part.verse, 1, 1), kVerseCaptionDepth);
    for (int frame = 1; frame <= part.frames; ++frame) {
      if (i + 1 == parts.size() && frame == part.frames) movie.stop();
      movie.showFrame();
    }
  }
  return packed(movie);
}

}  // namespace

std::vector<ContentFile> recitationMovies(const ChapterPlan& plan) {
  std::vector<Picture> wholeVerses;
  for (const QString& verse : plan.text.verses) wholeVerses.push_back(verseWords(verse));

  std::vector<ContentFile> files;
  for (const VerseMovie& verse : plan.verseMovies) {
    const Picture words = verse.breaths == 1
                              ? wholeVerses[static_cast<std::size_t>(verse.verse - 1)]
                              : verseWords(verse.text);
    files.push_back({verse.fileName, verseMovie(plan, verse, words)});
  }
  files.push_back({std::string(kWholeChapterMovie), wholeChapterMovie(plan, wholeVerses)});
  return files;
}

}  // namespace hifz::content
