#include "recitation/grade_strip.h"

#include <memory>
#include <string>
#include <utility>

#include "progress/scheduler.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void hide(Form1& form) {
  form[form1::GradeTimer].setInterval(0);
  form[form1::GradeStrip].setVisible(false);
}

// The whole chapter is listened through rather than recited, and is no
// passage the learner drills; a reading without end ends only by the stop.
bool gradable(ReadingWay way) {
  return way == ReadingWay::OneVerse || way == ReadingWay::RangeOnce ||
         way == ReadingWay::StepByStep;
}

void grade(Form1& form, const Passage& passage, Grade grade) {
  hide(form);
  ProgressStore& store = form.platform().progress;
  const std::int64_t now = form.platform().wallClock.calendarNow();
  store.saveCard(passage, review(store.card(passage).value_or(newCard(now)), now, grade), grade);
}

bool onStrip(const Form1& form, const Control& control) {
  const Control& strip = form[form1::GradeStrip];
  for (const Control* c = &control; c != nullptr; c = c->container())
    if (c == &strip) return true;
  return false;
}

}  // namespace

std::function<void(const Reading&)> wireGradeStrip(Form1& form) {
  const auto offered = std::make_shared<Passage>();
  const std::pair<ControlHandle<Form1, Image>, Grade> buttons[] = {
      {form1::GradeAgain, Grade::Again},
      {form1::GradeHard, Grade::Hard},
      {form1::GradeGood, Grade::Good},
      {form1::GradeEasy, Grade::Easy}};
  for (const auto& [button, given] : buttons) {
    const Grade chosen = given;
    form[button].onClick = [&form, offered, chosen] { grade(form, *offered, chosen); };
  }
  form[form1::GradeTimer].onTick = [&form] { hide(form); };
  return [&form, offered](const Reading& reading) {
    if (!gradable(reading.way)) return;
    *offered = reading.passage;
    form[form1::GradeStrip].setVisible(true);
    form[form1::GradeTimer].setInterval(kGradeStripMs);
  };
}

void wireGradeStripDismissal(Form1& form) {
  for (Control* control : form.controls()) {
    if (onStrip(form, *control)) continue;
    control->onMouseDown = [&form,
                            before = std::move(control->onMouseDown)](const MouseEvent& event) {
      hide(form);
      if (before) before(event);
    };
    if (auto* slot = dynamic_cast<MovieSlot*>(control))
      slot->onFSCommand = [&form, before = std::move(slot->onFSCommand)](const std::string& command,
                                                                         const std::string& args) {
        hide(form);
        if (before) before(command, args);
      };
  }
}

}  // namespace hifz
