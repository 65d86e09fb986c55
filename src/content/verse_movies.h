#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "content/chapter_plan.h"
#include "content/content_file.h"
#include "content/movie_kit.h"

namespace hifz::content {

/// Puts a movie's sound in the frame being built, its first.
using SoundTrack = std::function<void(swf::MovieBuilder&)>;

/// A verse movie: the verse page showing `words` and the verse's caption, with
/// `sound`, `verse.frames` frames long and stopping on its last frame. A movie
/// whose sound is already compressed gains little from `compression`.
std::vector<std::uint8_t> verseMovie(const ChapterPlan& plan, const VerseMovie& verse,
                                     const Picture& words, const SoundTrack& sound,
                                     swf::Compression compression);

/// One stretch of a whole-chapter movie: a verse, shown for `frames` frames.
struct VerseStretch {
  int verse = 0;
  int frames = 0;
};

/// The whole chapter as one movie: each stretch's verse words (from
/// `verseWords`, verse 1 first) and caption in turn, with `sound`, stopping on
/// the last frame, compressed as asked.
std::vector<std::uint8_t> wholeChapterMovie(const ChapterPlan& plan,
                                            const std::vector<Picture>& verseWords,
                                            const std::vector<VerseStretch>& stretches,
                                            const SoundTrack& sound, swf::Compression compression);

/// A chapter's recitation movies, named as in its folder: one per verse movie
/// of the plan, each showing its words for as long as its tone lasts and
/// stopping on its last frame, then the whole chapter as one movie, verse
/// after verse, with a tone as long as all of them.
std::vector<ContentFile> recitationMovies(const ChapterPlan& plan);

}  // namespace hifz::content
