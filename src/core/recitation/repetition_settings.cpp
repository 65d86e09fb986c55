#include "recitation/repetition_settings.h"

#include <functional>
#include <memory>
#include <utility>

#include "controls/number_text.h"
#include "recitation/held_arrow.h"
#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr double kFewestRepeats = 1;
constexpr double kMostRepeats = 99;
constexpr int kLeftButton = 1;

bool fewerRepeats(Form1& form) {
  const double count = repeatCount(form);
  if (count == kFewestRepeats) return false;
  // The verse has been heard as often as the new count allows: the toggle ends the reading.
  if (static_cast<float>(count) == form.state().RepeatsDone) form.run(form1::StopIt);
  form[form1::Repeat].setText(numberText(count - 1));
  form.run(form1::DoingIt);
  form.run(form1::Remember);
  return true;
}

bool moreRepeats(Form1& form) {
  const double count = repeatCount(form);
  if (count == kMostRepeats) return false;
  form[form1::Repeat].setText(numberText(count + 1));
  form.run(form1::DoingIt);
  form.run(form1::Remember);
  return true;
}

// A press of the left button holds the arrow; its release, wherever it
// happens, and the click end the hold.
void wireArrow(Form1& form, Label& arrow, std::function<bool()> step) {
  const auto held = std::make_shared<HeldArrow>(form.platform().clock, std::move(step));
  arrow.onMouseDown = [held](const MouseEvent& event) {
    if (event.button == kLeftButton) held->pressed();
  };
  arrow.onMouseUp = [held](const MouseEvent&) { held->released(); };
  arrow.onClick = [held] { held->clicked(); };
}

void pauseChosen(Form1& form, PollPeriod& period, int seconds) {
  setPause(form, period, seconds);
  form.run(form1::DoingIt);
  form.run(form1::Remember);
}

// A count typed into `Repeat` is kept when the panel closes.
void closeOptions(Form1& form) {
  form.run(form1::DoingIt);
  form.run(form1::Remember);
  form[form1::Picture9].setVisible(false);
  form[form1::TurnOptions].setVisible(false);
}

void rangeWayChosen(Form1& form, RangeWay way) {
  form.run(form1::DoingIt);
  setRangeWay(form, way);
  form.run(form1::Command3);
}

}  // namespace

void setPause(Form1& form, PollPeriod& period, int seconds) {
  form[form1::Check4].setValue(seconds > 0 ? 1 : 0);
  if (seconds > 0) period.writePause(form, seconds * 1000);
  form[form1::Label7].setCaption(numberText(seconds > 0 ? seconds : 1));
}

RangeWay rangeWay(const Form1& form) {
  if (form[form1::Check5].value() == 1) return RangeWay::Drill;
  return form[form1::Check3].value() == 1 ? RangeWay::WithoutEnd : RangeWay::Once;
}

void setRangeWay(Form1& form, RangeWay way) {
  form[form1::Check3].setValue(way == RangeWay::WithoutEnd ? 1 : 0);
  form[form1::Check5].setValue(way == RangeWay::Drill ? 1 : 0);
}

void wireRepetitionSettings(Form1& form, const std::shared_ptr<PollPeriod>& period) {
  wireArrow(form, form[form1::Label8], [&form] { return fewerRepeats(form); });
  wireArrow(form, form[form1::Label9], [&form] { return moreRepeats(form); });
  form[form1::Image25].onClick = [&form, period] { pauseChosen(form, *period, 0); };
  for (int key = 0; key < form1::Image5.size(); ++key)
    form[form1::Image5.at(key)].onClick = [&form, period, key] {
      pauseChosen(form, *period, key + 1);
    };
  form[form1::Image18].onClick = [&form] { closeOptions(form); };
  form[form1::Image23].onClick = [&form] { rangeWayChosen(form, RangeWay::WithoutEnd); };
  form[form1::Image24].onClick = [&form] { rangeWayChosen(form, RangeWay::Once); };
  form[form1::Image26].onClick = [&form] { rangeWayChosen(form, RangeWay::Drill); };
  CheckBox& pauseMode = form[form1::Check4];
  pauseMode.onClick = [&form, &pauseMode] {
    form[form1::Label14].setCaption(numberText(pauseMode.value()));
  };
}

}  // namespace hifz
