#pragma once

#include "platform/canberra_bell.h"
#include "platform/pulse_tone.h"
#include "platform/sound.h"

namespace hifz {

/// The system beep through the sound server, so that it is heard on desktops
/// that silence the X bell, at the default output's volume, which the
/// program's volume steps set: the desktop's own bell where its sound theme
/// has one, a short tone of the program's own otherwise, and the X bell when
/// no sound server answers.
class DesktopSound final : public Sound {
 public:
  void beep() override;

 private:
  CanberraBell bell_;
  PulseTone tone_;
};

}  // namespace hifz
