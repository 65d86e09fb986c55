#pragma once

#include "swf/sound.h"

namespace hifz::content {

/// The sound rate of every movie: 441 samples for each frame at 25 frames a second.
inline constexpr swf::SampleRate kSoundRate = swf::SampleRate::k11025;

/// The stand-in for a recitation: a soft sine at one fixed pitch, faded in
/// and out, exactly `frames` frames long. Deliberately nothing like a voice.
swf::Pcm placeholderTone(int frames);

/// A short, decaying high blip: the program's click sound, one frame long.
swf::Pcm clickSound();

}  // namespace hifz::content
