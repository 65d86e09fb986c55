#include "recitation/repetition_settings.h"

#include <string>

#include "controls/number_text.h"
#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr double kFewestRepeats = 1;
constexpr double kMostRepeats = 6;
constexpr int kPauseKeys = 9;

void fewerRepeats(Form1& form) {
  const double count = repeatCount(form);
  if (count == kFewestRepeats) return;
  // The verse has been heard as often as the new count allows: the toggle ends the reading.
  if (static_cast<float>(count) == form.state().RepeatsDone) form.run("StopIt");
  form.textBox("Repeat").setText(numberText(count - 1));
  form.run("DoingIt");
}

void moreRepeats(Form1& form) {
  const double count = repeatCount(form);
  if (count == kMostRepeats) return;
  form.textBox("Repeat").setText(numberText(count + 1));
  form.run("DoingIt");
}

void noPause(Form1& form) {
  form.checkBox("Check4").setValue(0);
  form.label("Label7").setCaption("1");
  form.run("DoingIt");
}

void pauseOf(Form1& form, PollPeriod& period, int seconds) {
  form.checkBox("Check4").setValue(1);
  period.writePause(form, seconds * 1000);
  form.label("Label7").setCaption(numberText(seconds));
  form.run("DoingIt");
}

void closeOptions(Form1& form) {
  form.run("DoingIt");
  form.panel("Picture9").setVisible(false);
}

void rangeRepeats(Form1& form, bool withoutEnd) {
  form.run("DoingIt");
  form.checkBox("Check3").setValue(withoutEnd ? 1 : 0);
  form.run("Command3");
}

}  // namespace

void wireRepetitionSettings(Form1& form, const std::shared_ptr<PollPeriod>& period) {
  form.control("Label8").onClick = [&form] { fewerRepeats(form); };
  form.control("Label9").onClick = [&form] { moreRepeats(form); };
  form.image("Image25").onClick = [&form] { noPause(form); };
  for (int key = 0; key < kPauseKeys; ++key)
    form.image("Image5(" + std::to_string(key) + ")").onClick = [&form, period, key] {
      pauseOf(form, *period, key + 1);
    };
  form.image("Image18").onClick = [&form] { closeOptions(form); };
  form.image("Image23").onClick = [&form] { rangeRepeats(form, true); };
  form.image("Image24").onClick = [&form] { rangeRepeats(form, false); };
  CheckBox& pauseMode = form.checkBox("Check4");
  pauseMode.onClick = [&form, &pauseMode] {
    form.label("Label14").setCaption(numberText(pauseMode.value()));
  };
}

}  // namespace hifz
