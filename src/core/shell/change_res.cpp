#include "shell/change_res.h"

#include "shell/form1.h"

namespace hifz {

void ChangeRes(Platform& platform, std::int32_t width, std::int32_t height,
               std::int32_t bitsPerPixel) {
  switch (platform.display.testMode(width, height, bitsPerPixel)) {
    case ModeTest::Usable:
      platform.display.applyMode(width, height, bitsPerPixel);
      break;
    case ModeTest::NeedsRestart:
      if (platform.messages.show("You've to reboot", "Info", MessageButtons::YesNo) ==
          MessageAnswer::Yes)
        platform.display.restartComputer();
      break;
    case ModeTest::NotUsable:
      platform.messages.show("Mode not supported", "Error", MessageButtons::Ok);
      break;
  }
}

std::int32_t currentColourDepth(Form1& form) {
  return form.platform().display.bitsPerPixel(form.state().DisplayDC);
}

void restoreStartUpMode(Form1& form) {
  const std::int32_t depth = currentColourDepth(form);
  ChangeRes(form.platform(), form.state().ScreenWidthPx, form.state().ScreenHeightPx, depth);
}

}  // namespace hifz
