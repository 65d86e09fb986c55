#include "recited_content/recited_movies.h"

#include <algorithm>
#include <cstdint>

#include "recited_content/mp3_convert.h"
#include "sample_content/verse_movies.h"
#include "sample_content/verse_page.h"

namespace hifz::content {
namespace {

constexpr std::uint64_t kFramesPerSecond = static_cast<std::uint64_t>(kFrameRate);
constexpr int kMostFrames = 65535;
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

Mp3Format mostCommonFormat(const std::map<int, Mp3Audio>& sounds) {
  std::map<std::pair<int, int>, int> counts;
  for (const auto& [verse, audio] : sounds) {
    ++counts[{audio.format.sampleRate, audio.format.channels}];
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
  totalFrames = static_cast<int>(std::min<std::uint64_t>(end, kMostFrames + 1));
  return stretches;
}

}  // namespace

int framesFor(const Mp3Audio& audio) {
  const auto rate = static_cast<std::uint64_t>(audio.format.sampleRate);
  return static_cast<int>((audio.samples * kFramesPerSecond + rate - 1) / rate);
}

RecitedMovies recitedMovies(const ChapterPlan& plan, const std::map<int, Mp3Audio>& sounds) {
  RecitedMovies result;

  std::vector<Picture> words(static_cast<std::size_t>(plan.text.verses.size()));
  for (const VerseMovie& verse : plan.verseMovies) {
    Picture& picture = words[static_cast<std::size_t>(verse.verse - 1)];
    picture = verseWords(verse.text);
    result.files.push_back(
        {verse.fileName,
         verseMovie(plan, verse, picture, soundTrack(sounds.at(verse.verse)), kMovieCompression)});
  }

  const Mp3Format format = mostCommonFormat(sounds);
  std::map<int, Mp3Audio> alike;
  std::vector<std::pair<int, const Mp3Audio*>> parts;
  for (const auto& [verse, audio] : sounds) {
    if (audio.format == format) {
      parts.emplace_back(verse, &audio);
    } else {
      parts.emplace_back(verse, &alike.emplace(verse, converted(audio, format)).first->second);
      ++result.converted;
    }
  }
  int totalFrames = 0;
  const std::vector<VerseStretch> stretches = stretchesOf(parts, format.sampleRate, totalFrames);
  if (totalFrames > kMostFrames) {
    result.wholeLeftOut = "the chapter is longer than a movie can be (43 minutes)";
    return result;
  }
  std::vector<const Mp3Audio*> pieces;
  for (const auto& part : parts) pieces.push_back(part.second);
  const Mp3Audio whole = joined(pieces);
  result.files.push_back(
      {std::string(kWholeChapterMovie),
       wholeChapterMovie(plan, words, stretches, soundTrack(whole), kMovieCompression)});
  return result;
}

}  // namespace hifz::content
