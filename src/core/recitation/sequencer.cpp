#include "recitation/sequencer.h"

#include "controls/number_text.h"
#include "recitation/poll_period.h"
#include "recitation/range_plan.h"
#include "recitation/reading_log.h"
#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr std::int64_t kNextPlayDelay = 5;
constexpr double kMillisecondsPerFrame = 40;

double numberIn(const std::string& text) { return textNumber(text).value_or(0); }

bool inRangeMode(const Form1& form) { return form.state().RangeMode == 1; }

void stopIt(Form1& form) {
  CommandButton& button = form[form1::StopIt];
  if (button.caption() == "On") {
    button.setCaption("Off");
    form.run(form1::Read);
    return;
  }
  MovieSlot& display = form[form1::flash1];
  form.reloadMovie(display, form.chapterFilePath(form.state().VerseFile));
  display.stop();
  form[form1::Timer1].setInterval(0);
  cancelPendingPause(form);
  button.setCaption("On");
  form.run(form1::Menu);
}

// While a range plays, the range labels show the verses being read together.
void showSpan(Form1& form, const RangeStep& step) {
  form[form1::Label4].setCaption(numberText(step.spanFirst));
  form[form1::Label5].setCaption(numberText(step.spanLast));
}

void read(Form1& form, const PollPeriod& period, const RangePlan& plan, ReadingLog& log) {
  MainWindowState& state = form.state();
  const bool rangeMode = inRangeMode(form);
  PicturePanel& reciting = form[form1::Picture5];
  FileListBox& files = form[form1::File1];
  ListBox& range = form[form1::List1];
  form[form1::Label6].setCaption(numberText(state.RangeMode));
  reciting.setVisible(false);
  form.countdown().end();
  if ((rangeMode ? range.listCount() : files.listCount()) == 0) {
    endEmptyReading(form);
    return;
  }
  if (!rangeMode) {
    if (atListEnd(state.VerseIndex, files.listCount())) {
      state.VerseIndex = 0;
      return;
    }
    files.setListIndex(state.VerseIndex);
  }
  if (form[form1::kind].caption() != "all" && files.listCount() > 1) {
    listVerseMovies(form, widenedPattern(files.fileName()));
    files.setListIndex(state.VerseIndex);
  }
  form[form1::Timer1].setInterval(period.of(form));
  state.VerseFile = files.fileName();
  if (rangeMode) {
    range.setListIndex(state.VerseIndex);
    state.VerseFile = range.text();
    if (const RangeStep* step = plan.step(state.VerseIndex, range.listCount()))
      showSpan(form, *step);
  }
  form[form1::playing].setVisible(true);
  log.playStarted();
  MovieSlot& display = form[form1::flash1];
  display.setMovie(form.chapterFilePath(state.VerseFile));
  reciting.setVisible(true);
  display.play();
}

// After the last play of a range's last entry: leave range mode with an empty
// file list and stop, which brings the chapter menu back.
void endRange(Form1& form, ReadingLog& log) {
  log.ranToEnd();
  MainWindowState& state = form.state();
  state.RangeMode = 0;
  state.VerseIndex = 0;
  form[form1::File1].setPattern("X.x");
  form[form1::StopIt].setCaption("off");
  form.run(form1::StopIt);
}

// The learner's turn: the pause timer armed with `Text1`, the countdown and the beep.
void startPause(Form1& form, ReadingLog& log) {
  log.turnGiven();
  Timer& pause = form[form1::Timer2];
  pause.setInterval(timerPeriod(form));
  form[form1::Picture5].setVisible(false);
  form.countdown().start(pause.interval());
  form.platform().sound.beep();
  form.run(form1::TurnBegins);
}

void startNextEntry(Form1& form, ReadingLog& log, bool pauseMode, bool rangePause) {
  MainWindowState& state = form.state();
  if (inRangeMode(form)) {
    if (atListEnd(state.VerseIndex, form[form1::List1].listCount())) return;
    if (rangePause)
      startPause(form, log);
    else
      form.run(form1::Read);
    return;
  }
  if (atListEnd(state.VerseIndex, form[form1::File1].listCount())) {
    log.ranToEnd();
    state.VerseIndex = 0;
    form[form1::Picture5].setVisible(false);
    form.run(form1::Menu);
    return;
  }
  if (!pauseMode) {
    form[form1::Timer2].setInterval(kNextPlayDelay);
    return;
  }
  startPause(form, log);
}

// A range's own pause, in pause mode: after each play of a verse heard alone
// in a drill, the verse's pause; after a span's last play, a pause as long as
// the span took once, plus the chosen seconds. Otherwise none: a range plays
// on without pause.
std::optional<double> rangePause(Form1& form, RangePlan& plan, const RangeStep& step,
                                 double versePause, bool entryDone) {
  if (form.state().RepeatsDone == 1) plan.heardInSpan(numberIn(form[form1::Breath].caption()));
  if (step.pauseEachPlay) {
    if (entryDone) plan.newSpan();
    return versePause;
  }
  if (!entryDone || !step.endsSpan) return std::nullopt;
  const double span = plan.spanFrames();
  plan.newSpan();
  // A range read once ends after its last span: no pause is due.
  const bool lastEntry = form.state().VerseIndex + 1 >= form[form1::List1].listCount();
  if (lastEntry && form[form1::Check3].value() != 1) return std::nullopt;
  return numberIn(form[form1::Label7].caption()) * 1000 + span * kMillisecondsPerFrame;
}

void poll(Form1& form, PollPeriod& period, RangePlan& plan, ReadingLog& log) {
  if (form[form1::StopIt].caption() == "On") return;
  MainWindowState& state = form.state();
  const MovieSlot& display = form[form1::flash1];
  Label& frame = form[form1::Label1];
  frame.setCaption(numberText(display.frameNum()));
  form[form1::Label2].setCaption("");
  form[form1::Label3].setCaption(numberText(state.RepeatsDone));
  if (display.isPlaying()) return;
  log.playHeard();

  Label& breath = form[form1::Breath];
  breath.setCaption(frame.caption());
  frame.setCaption("End");
  state.RepeatsDone += 1;
  // The learner's pause: the chosen seconds on top of the length of the verse just heard.
  const double pause = numberIn(form[form1::Label7].caption()) * 1000 +
                       numberIn(breath.caption()) * kMillisecondsPerFrame;
  const bool pauseMode = form[form1::Check4].value() == 1;
  const RangeStep* step =
      inRangeMode(form) ? plan.step(state.VerseIndex, form[form1::List1].listCount()) : nullptr;
  const bool entryDone = (step && step->once ? 1 : repeatCount(form)) == state.RepeatsDone;
  const std::optional<double> spanPause =
      step ? rangePause(form, plan, *step, pause, entryDone) : std::nullopt;
  if (pauseMode) period.writePause(form, spanPause.value_or(pause));
  form[form1::Picture5].setVisible(false);
  if (entryDone) {
    ++state.VerseIndex;
    if (startsRangeAgain(form)) state.VerseIndex = 0;
    state.RepeatsDone = 0;
  }
  form[form1::Timer1].setInterval(0);
  if (inRangeMode(form) && atListEnd(state.VerseIndex, form[form1::List1].listCount()))
    endRange(form, log);
  startNextEntry(form, log, pauseMode, pauseMode && spanPause.has_value());
}

void pauseEnded(Form1& form) {
  form.run(form1::TurnEnds);
  form.run(form1::Read);
  form[form1::Timer2].setInterval(0);
}

void reset(Form1& form, PollPeriod& period, RangePlan& plan) {
  MainWindowState& state = form.state();
  form.run(form1::DoingIt);
  form.reloadMovie(form[form1::flash1], form.chapterFilePath(state.MenuMovie));
  form[form1::StopIt].setCaption("On");
  cancelPendingPause(form);
  form[form1::Label4].setCaption("0");
  form[form1::Label5].setCaption("0");
  form[form1::Text1].setText("500");
  period.forget();
  plan.clear();
  state.RangeMode = 0;
  state.VerseIndex = 0;
  form[form1::Check2].setValue(0);
  form[form1::kind].setCaption("0");
  form[form1::Picture5].setVisible(false);
  form[form1::playing].setVisible(false);
  form.run(form1::LastRange);
}

void stopButton(Form1& form) {
  form[form1::List1].clear();
  form.run(form1::DoingIt);
  form.run(form1::reset);
}

}  // namespace

// The stop button shows exactly while a reading plays or pauses.
bool readingGoesOn(const Form1& form) { return form[form1::playing].visible(); }

void stopAnyReading(Form1& form) {
  if (readingGoesOn(form)) stopButton(form);
}

void wireSequencer(Form1& form, const std::shared_ptr<PollPeriod>& period,
                   const std::shared_ptr<RangePlan>& plan, const std::shared_ptr<ReadingLog>& log) {
  form[form1::StopIt].onClick = [&form] { stopIt(form); };
  form[form1::Read].onClick = [&form, period, plan, log] { read(form, *period, *plan, *log); };
  form[form1::Timer1].onTick = [&form, period, plan, log] { poll(form, *period, *plan, *log); };
  form[form1::Timer2].onTick = [&form] { pauseEnded(form); };
  form[form1::reset].onClick = [&form, period, plan] { reset(form, *period, *plan); };
  form[form1::playing].onClick = [&form] { stopButton(form); };
}

}  // namespace hifz
