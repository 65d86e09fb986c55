// libFuzzer target for the content builder's reading of a verse's MP3 file
// (scripts/fuzz): any bytes give its sound or a problem, without a crash, a
// leak or a hang.
//
// The sound kept is whole frames of one format, back to back, as the movies
// carry it: each input checks that it reads again frame by frame, to the same
// samples, and that joining it to itself doubles it.

#include "content/recited/mp3_frames.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <variant>

#include "content/recited/mp3_header.h"

namespace {

using hifz::content::Mp3Audio;

void check(bool condition) {
  if (!condition) std::abort();
}

// The samples of frames of `audio`'s format back to back, or -1 for anything else.
std::int64_t samplesOfFrames(const Mp3Audio& audio) {
  std::int64_t samples = 0;
  for (std::size_t at = 0; at < audio.frames.size();) {
    const auto header = hifz::content::headerAt(audio.frames, at);
    if (!header || header->format != audio.format || header->length > audio.frames.size() - at) {
      return -1;
    }
    samples += header->samples();
    at += header->length;
  }
  return samples;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto result = hifz::content::readMp3(std::span<const std::uint8_t>(data, size));
  const auto* audio = std::get_if<Mp3Audio>(&result);
  if (audio == nullptr) {
    check(!std::get<hifz::content::Mp3Problem>(result).why.empty());
    return 0;
  }
  check(audio->samples > 0 && audio->frames.size() <= size);
  check(samplesOfFrames(*audio) == audio->samples);
  const Mp3Audio twice = hifz::content::joined({audio, audio});
  check(twice.format == audio->format && twice.samples == 2 * audio->samples);
  check(twice.frames.size() == 2 * audio->frames.size());
  return 0;
}
