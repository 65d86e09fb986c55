#pragma once

#include "content/recited/mp3_frames.h"

namespace hifz::content {

/// `audio` decoded (libmpg123) and encoded again (libmp3lame) at `target`'s
/// sample rate and channel count. Throws ContentError when a library fails.
Mp3Audio converted(const Mp3Audio& audio, Mp3Format target);

}  // namespace hifz::content
