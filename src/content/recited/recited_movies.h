#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "content/chapter_plan.h"
#include "content/content_file.h"
#include "content/recited/mp3_frames.h"

namespace hifz::content {

/// The most frames a movie can have: some 43 minutes.
inline constexpr int kMostMovieFrames = 65535;
/// The whole-chapter movie is made only while it stays under this size, so
/// that the player never holds an hour of sound in one movie.
inline constexpr std::size_t kWholeChapterCap = 20'000'000;

/// How many movie frames a sound lasts, rounded up so that the movie covers it.
int framesFor(const Mp3Audio& audio);

/// A verse's sound, and the file it comes from, as told to the user.
struct VerseSound {
  std::string fileName;
  Mp3Audio audio;
};

/// A chapter's recitation movies made from a reciter's files.
struct RecitedMovies {
  std::vector<ContentFile> files;
  int converted = 0;         // verse sounds converted for the whole-chapter movie
  std::string wholeLeftOut;  // why there is no whole-chapter movie, if there is none
};

/// One movie per verse movie of `plan`, carrying the verse's sound from
/// `sounds` (verse number to sound) as it is, and the whole chapter as one
/// movie with the verses' sounds joined: in the format most of its verses
/// have, the others converted to it. A chapter too long for a movie or for
/// kWholeChapterCap, or a sound that cannot be converted, leaves the
/// whole-chapter movie out.
///
/// The slot plays MP3 of every layer III rate (8000 to 48000 Hz, mono or
/// stereo) at its pitch and length when the movie names the nearest of its
/// three rates, so no verse sound needs converting.
RecitedMovies recitedMovies(const ChapterPlan& plan, const std::map<int, VerseSound>& sounds);

}  // namespace hifz::content
