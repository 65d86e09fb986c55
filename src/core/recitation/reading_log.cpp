#include "recitation/reading_log.h"

#include <string>
#include <utility>

#include "controls/number_text.h"
#include "navigation/content_catalog.h"
#include "progress/chapter_lengths.h"
#include "recitation/repetition_settings.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

int numberIn(const std::string& text) { return static_cast<int>(textNumber(text).value_or(0)); }

// The verse whose code a movie's name begins with ("z1-001.gif" is verse 35).
int verseOfMovie(const std::string& movie) {
  const std::string code = movie.substr(0, movie.find('-'));
  for (int verse = 1; verse <= kLastCodedVerse; ++verse)
    if (VerseCode(verse) == code) return verse;
  return 0;
}

// What the play about to begin reads, by the reading's own state; nothing
// when its chapter has no number or its verses cannot be told.
std::optional<Reading> readingNow(const Form1& form) {
  const ChapterRow* chapter = currentChapter(form);
  if (chapter == nullptr) return std::nullopt;
  Reading reading;
  reading.passage.chapter = chapter->number;
  if (form.state().RangeMode == 1) {
    reading.passage.firstVerse = numberIn(form[form1::Label10].caption());
    reading.passage.lastVerse = numberIn(form[form1::Label13].caption());
    switch (rangeWay(form)) {
      case RangeWay::Once:
        reading.way = ReadingWay::RangeOnce;
        break;
      case RangeWay::WithoutEnd:
        reading.way = ReadingWay::WithoutEnd;
        break;
      case RangeWay::Drill:
        reading.way = ReadingWay::StepByStep;
        break;
    }
  } else if (form[form1::kind].caption() == "all") {
    reading.way = ReadingWay::WholeChapter;
    reading.passage.firstVerse = 1;
    reading.passage.lastVerse = versesInChapter(chapter->number);
  } else {
    reading.way = ReadingWay::OneVerse;
    reading.passage.firstVerse = verseOfMovie(form[form1::File1].fileName());
    reading.passage.lastVerse = reading.passage.firstVerse;
  }
  if (!isValid(reading.passage)) return std::nullopt;
  return reading;
}

}  // namespace

ReadingLog::ReadingLog(Form1& form, std::function<void(const Reading&)> ranToEnd)
    : form_(form), ranToEnd_(std::move(ranToEnd)) {
  form[form1::playing].addObserver(this);
}

void ReadingLog::playStarted() {
  std::optional<Reading> now = readingNow(form_);
  if (reading_ && now && reading_->passage == now->passage && reading_->way == now->way) return;
  end();
  reading_ = now;
  if (reading_) reading_->startedAt = form_.platform().wallClock.now();
}

void ReadingLog::playHeard() {
  if (reading_) ++reading_->playsHeard;
}

void ReadingLog::turnGiven() {
  if (reading_) ++reading_->turnsGiven;
}

void ReadingLog::ranToEnd() { end(true); }

void ReadingLog::controlChanged(const Control& control, Property property) {
  if (property == Property::Visible && !control.visible()) end();
}

void ReadingLog::end(bool toItsEnd) {
  if (!reading_) return;
  // Gone before anyone is told, so that nothing told can end it twice.
  Reading ended = *reading_;
  reading_.reset();
  ended.lengthMs = form_.platform().wallClock.now() - ended.startedAt;
  form_.platform().progress.log(ended);
  if (toItsEnd && ranToEnd_) ranToEnd_(ended);
}

}  // namespace hifz
