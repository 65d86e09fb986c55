#include "content/recited/recited_movies.h"

#include <algorithm>
#include <cstdint>

#include "content/content_error.h"
#include "content/recited/mp3_convert.h"
#include "content/verse_movies.h"
#include "content/verse_page.h"

namespace hifz::content {
namespace {

constexpr std::uint64_t kFramesPerSecond = static_cast<std::uint64_t>(kFrameRate);
// MP3 and the pictures' bitmaps are compressed already: packing the movie
// again would cost more time than it saves room.
constexpr swf::Compression kMovieCompression = swf::Compression::kNone;

// First frame of a sound `samples` into the chapter; frames count from 0.
std::uint64_t frameAt(std::uint64_t samples, int sampleRate) {
  return samples * kFramesPerSecond / static_cast<std::uint64_t>(sampleRate);
}

// The movie rate nearest to the sound's own; the slot plays the sound at its own.
swf::SampleRate movieRate(int sampleRate) {
  if (sampleRate < 15000) return swf::SampleRate::k11025;
  if (sampleRate < 30000) return swf::SampleRate::k22050;
  return swf::SampleRate::k44100;
}

SoundTrack soundTrack(const Mp3Audio& audio) {
  return [&audio](swf::MovieBuilder& movie) {
    movie.startSound(
        movie.defineSound(swf::Mp3Sound{movieRate(audio.format.sampleRate),
                                        audio.format.channels == 2, audio.samples, audio.frames}));
  };
}

constexpr const char* kTooLong = "the chapter is longer than a movie can be (43 minutes)";
constexpr const char* kTooLarge = "the chapter's sound alone would make it 20 MB or more";
constexpr const char* kTooLargeMovie = "it would be 20 MB or more";

std::size_t soundBytes(const std::map<int, VerseSound>& sounds) {
  std::size_t bytes = 0;
  for (const auto& [verse, sound] : sounds) bytes += sound.audio.frames.size();
  return bytes;
}

Mp3Format mostCommonFormat(const std::map<int, VerseSound>& sounds) {
  std::map<std::pair<int, int>, int> counts;
  for (const auto& [verse, sound] : sounds) {
    ++counts[{sound.audio.format.sampleRate, sound.audio.format.channels}];
  }
  const auto most =
      std::max_element(counts.begin(), counts.end(),
                       [](const auto& a, const auto& b) { return a.second < b.second; });
  return {most->first.first, most->first.second};
}

// The verses shown in turn while the joined sounds play: each from the frame
// its sound starts in, at least one frame each.
std::vector<VerseStretch> stretchesOf(const std::vector<std::pair<int, const Mp3Audio*>>& parts,
                                      int sampleRate, int& totalFrames) {
  std::vector<VerseStretch> stretches;
  std::uint64_t samples = 0;
  std::uint64_t start = 0;
  for (const auto& [verse, audio] : parts) {
    const std::uint64_t first =
        stretches.empty() ? 0 : std::max(start + 1, frameAt(samples, sampleRate));
    if (!stretches.empty()) stretches.back().frames = static_cast<int>(first - start);
    stretches.push_back({verse, 0});
    start = first;
    samples += audio->samples;
  }
  const std::uint64_t end = std::max(start + 1, (samples * kFramesPerSecond + sampleRate - 1) /
                                                    static_cast<std::uint64_t>(sampleRate));
  stretches.back().frames = static_cast<int>(end - start);
  totalFrames = static_cast<int>(std::min<std::uint64_t>(end, kMostMovieFrames + 1));
  return stretches;
}

// Told before any verse is converted, so that no time goes into that.
bool longerThanAMovie(const std::map<int, VerseSound>& sounds) {
  double seconds = 0;
  for (const auto& [verse, sound] : sounds) seconds += sound.audio.seconds();
  return seconds * kFrameRate > kMostMovieFrames;
}

}  // namespace

int framesFor(const Mp3Audio& audio) {
  const auto rate = static_cast<std::uint64_t>(audio.format.sampleRate);
  return static_cast<int>((audio.samples * kFramesPerSecond + rate - 1) / rate);
}

RecitedMovies recitedMovies(const ChapterPlan& plan, const std::map<int, VerseSound>& sounds) {
  RecitedMovies result;

  std::vector<Picture> words(static_cast<std::size_t>(plan.text.verses.size()));
  for (const VerseMovie& verse : plan.verseMovies) {
    Picture& picture = words[static_cast<std::size_t>(verse.verse - 1)];
    picture = verseWords(verse.text);
    result.files.push_back(
        {verse.fileName, verseMovie(plan, verse, picture, soundTrack(sounds.at(verse.verse).audio),
                                    kMovieCompression)});
  }

  if (longerThanAMovie(sounds)) {
    result.wholeLeftOut = kTooLong;
    return result;
  }
  // Told before anything is joined: the movie is never smaller than its sound.
  if (soundBytes(sounds) >= kWholeChapterCap) {
    result.wholeLeftOut = kTooLarge;
    return result;
  }
  const Mp3Format format = mostCommonFormat(sounds);
  std::map<int, Mp3Audio> alike;
  std::vector<std::pair<int, const Mp3Audio*>> parts;
  for (const auto& [verse, sound] : sounds) {
    if (sound.audio.format == format) {
      parts.emplace_back(verse, &sound.audio);
      continue;
    }
    try {
      parts.emplace_back(verse,
                         &alike.emplace(verse, converted(sound.audio, format)).first->second);
    } catch (const ContentError& error) {
      result.wholeLeftOut =
          sound.fileName + " could not be converted to join the others (" + error.what() + ")";
      return result;
    }
    ++result.converted;
  }
  int totalFrames = 0;
  const std::vector<VerseStretch> stretches = stretchesOf(parts, format.sampleRate, totalFrames);
  if (totalFrames > kMostMovieFrames) {
    result.wholeLeftOut = kTooLong;
    return result;
  }
  std::vector<const Mp3Audio*> pieces;
  for (const auto& part : parts) pieces.push_back(part.second);
  const Mp3Audio whole = joined(pieces);
  std::vector<std::uint8_t> movie =
      wholeChapterMovie(plan, words, stretches, soundTrack(whole), kMovieCompression);
  if (movie.size() >= kWholeChapterCap) {
    result.wholeLeftOut = kTooLargeMovie;
    return result;
  }
  result.files.push_back({std::string(kWholeChapterMovie), std::move(movie)});
  return result;
}

}  // namespace hifz::content
