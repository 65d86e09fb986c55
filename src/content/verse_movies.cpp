#include "content/verse_movies.h"

#include "content/look.h"
#include "content/tone.h"
#include "content/verse_page.h"

namespace hifz::content {
namespace {

// Every verse, as long as all its movies.
std::vector<VerseStretch> stretches(const ChapterPlan& plan) {
  std::vector<VerseStretch> result;
  for (const VerseMovie& movie : plan.verseMovies) {
    if (result.empty() || result.back().verse != movie.verse) result.push_back({movie.verse, 0});
    result.back().frames += movie.frames;
  }
  return result;
}

}  // namespace

std::vector<std::uint8_t> verseMovie(const ChapterPlan& plan, const VerseMovie& verse,
                                     const Picture& words, const SoundTrack& sound,
                                     swf::Compression compression) {
  swf::MovieBuilder movie(stageOptions(kMainDisplay));
  showVersePageFrame(movie, plan);
  showPicture(movie, words, kVerseWordsDepth);
  showPicture(movie, verseCaption(plan, verse.verse, verse.breath, verse.breaths),
              kVerseCaptionDepth);
  sound(movie);
  for (int frame = 1; frame <= verse.frames; ++frame) {
    if (frame == verse.frames) movie.stop();
    movie.showFrame();
  }
  return movie.build(compression);
}

std::vector<std::uint8_t> wholeChapterMovie(const ChapterPlan& plan,
                                            const std::vector<Picture>& verseWords,
                                            const std::vector<VerseStretch>& stretches,
                                            const SoundTrack& sound, swf::Compression compression) {
  swf::MovieBuilder movie(stageOptions(kMainDisplay));
  showVersePageFrame(movie, plan);
  sound(movie);
  for (std::size_t i = 0; i < stretches.size(); ++i) {
    const VerseStretch& part = stretches[i];
    if (i > 0) {
      movie.remove(kVerseWordsDepth);
      movie.remove(kVerseCaptionDepth);
    }
    showPicture(movie, verseWords[static_cast<std::size_t>(part.verse - 1)], kVerseWordsDepth);
    showPicture(movie, verseCaption(plan, part.verse, 1, 1), kVerseCaptionDepth);
    for (int frame = 1; frame <= part.frames; ++frame) {
      if (i + 1 == stretches.size() && frame == part.frames) movie.stop();
      movie.showFrame();
    }
  }
  return movie.build(compression);
}

std::vector<ContentFile> recitationMovies(const ChapterPlan& plan) {
  std::vector<Picture> wholeVerses;
  for (const QString& verse : plan.text.verses) wholeVerses.push_back(verseWords(verse));

  std::vector<ContentFile> files;
  for (const VerseMovie& verse : plan.verseMovies) {
    const Picture words = verse.breaths == 1
                              ? wholeVerses[static_cast<std::size_t>(verse.verse - 1)]
                              : verseWords(verse.text);
    const swf::Pcm tone = placeholderTone(verse.frames);
    files.push_back({verse.fileName, verseMovie(
                                         plan, verse, words,
                                         [&](swf::MovieBuilder& movie) {
                                           movie.startSound(movie.defineSound(tone));
                                         },
                                         swf::Compression::kZlib)});
  }
  const std::vector<VerseStretch> parts = stretches(plan);
  swf::Pcm sound{kSoundRate, {}};
  for (const VerseStretch& part : parts) {
    const swf::Pcm tone = placeholderTone(part.frames);
    sound.samples.insert(sound.samples.end(), tone.samples.begin(), tone.samples.end());
  }
  files.push_back(
      {std::string(kWholeChapterMovie),
       wholeChapterMovie(
           plan, wholeVerses, parts,
           [&](swf::MovieBuilder& movie) { movie.startSound(movie.defineSound(sound)); },
           swf::Compression::kZlib)});
  return files;
}

}  // namespace hifz::content
