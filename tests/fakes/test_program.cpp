#include "test_program.h"

#include "shell/wiring.h"

namespace hifz::testing {

TestProgram::TestProgram(std::string applicationFolder) {
  mixer.addStandardLines();
  auto makeSlot = [this](const std::string& name, const SlotSettings& slotSettings) {
    auto slot = std::make_unique<FakeMovieSlot>(name, slotSettings);
    slots[name] = slot.get();
    return std::unique_ptr<MovieSlot>(std::move(slot));
  };
  form = std::make_unique<Form1>(Platform{.windows = windows,
                                          .display = display,
                                          .mixer = mixer,
                                          .shell = shell,
                                          .sound = sound,
                                          .messages = messages,
                                          .files = files,
                                          .clock = clock,
                                          .settings = settings,
                                          .diagnostics = diagnostics,
                                          .progress = progress,
                                          .wallClock = wallClock,
                                          .microphone = microphone,
                                          .takePlayer = takePlayer,
                                          .takeFiles = takeFiles,
                                          .progressFiles = progressFiles},
                                 makeSlot, std::move(applicationFolder));
  form->window().setHandle(kMainWindowHandle);
  msgForm = std::make_unique<MsgFormHolder>(*form, textMeasure, kWebsite);
  wireForm1(*form, *msgForm);
}

}  // namespace hifz::testing
