#include "navigation/today_panel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "controls/number_text.h"
#include "dialog/notice.h"
#include "navigation/chapter_selection.h"
#include "navigation/today_text.h"
#include "progress/calendar_day.h"
#include "progress/chapter_names.h"
#include "progress/progress_picture.h"
#include "progress/today.h"
#include "recitation/repetition_settings.h"
#include "recitation/sequencer.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// What each entry of the panel reads when clicked.
using Entries = std::array<std::optional<Passage>, 7>;

// The panel's lists: their first entry and how many entries they have.
struct List {
  int first;
  int size;
  const char* empty;
};
constexpr List kNewPortion{0, 1, "لا جديد بعد"};
constexpr List kRecent{1, 3, "لا مراجعة قريبة اليوم"};
constexpr List kOlder{4, 3, "لا مراجعة سابقة اليوم"};

// The bars' room, in twips: chapter bars grow leftwards from the track's
// right end; day bars grow upwards from the base line.
constexpr float kTrackLeft = 240;
constexpr float kTrackWidth = 2580;
constexpr float kDayBase = 7200;
constexpr float kDayHeight = 1380;
constexpr float kPixel = 15;

void showList(Form1& form, Entries& entries, const List& list, std::span<const DuePassage> due) {
  for (int slot = 0; slot < list.size; ++slot) {
    Label& entry = form[form1::TodayEntry.at(list.first + slot)];
    const auto at = static_cast<std::size_t>(slot);
    if (at < due.size()) {
      entry.setCaption(dueText(due[at].passage, due[at].daysOverdue));
      entries[static_cast<std::size_t>(list.first + slot)] = due[at].passage;
    } else {
      entry.setCaption(slot == 0 && due.empty() ? list.empty : "");
    }
  }
}

void drawShares(Form1& form, std::vector<ChapterShare> shares) {
  form[form1::NoChapterYet].setVisible(shares.empty());
  std::stable_sort(shares.begin(), shares.end(), [](const ChapterShare& a, const ChapterShare& b) {
    return a.versesLearned > b.versesLearned;
  });
  for (int row = 0; row < form1::ChapterBar.size(); ++row) {
    Label& name = form[form1::ChapterName.at(row)];
    PicturePanel& bar = form[form1::ChapterBar.at(row)];
    const auto at = static_cast<std::size_t>(row);
    const bool shown = at < shares.size();
    name.setVisible(shown);
    form[form1::ChapterTrack.at(row)].setVisible(shown);
    bar.setVisible(shown);
    if (!shown) continue;
    const ChapterShare& share = shares[at];
    name.setCaption(std::string(chapterName(share.chapter)));
    name.setToolTip(arabicDigits(share.versesLearned) + " من " + arabicDigits(share.verses));
    const float width = std::round(kTrackWidth * static_cast<float>(share.versesLearned) /
                                   static_cast<float>(std::max(1, share.verses)) / kPixel) *
                        kPixel;
    bar.setWidth(width);
    bar.setLeft(kTrackLeft + kTrackWidth - width);
  }
}

void drawMinutes(Form1& form, const std::vector<double>& minutes) {
  const double most = *std::max_element(minutes.begin(), minutes.end());
  for (int day = 0; day < form1::DayBar.size(); ++day) {
    // Bar 0 is the oldest day, on the right; the minutes run oldest first too.
    const double spent = minutes[static_cast<std::size_t>(day)];
    float height = 0;
    if (spent > 0)
      height = std::max(
          kPixel, static_cast<float>(std::round(kDayHeight * spent / most / kPixel)) * kPixel);
    PicturePanel& bar = form[form1::DayBar.at(day)];
    bar.setHeight(height);
    bar.setTop(kDayBase - height);
  }
  form[form1::DayScale].setCaption(
      most > 0 ? "أطول يوم: " + counted(static_cast<std::int64_t>(std::ceil(most)), kMinutes)
               : std::string("لا تدريب في آخر ٣٠ يوماً"));
}

// The zone offset the wall clock keeps, to the minute.
std::int64_t zoneOffset(const WallClock& clock, std::int64_t unix) {
  constexpr std::int64_t kMinute = 60'000;
  const std::int64_t offset = clock.calendarNow() - unix;
  return (offset + (offset >= 0 ? kMinute / 2 : -kMinute / 2)) / kMinute * kMinute;
}

void showDueCount(Form1& form) {
  const std::int64_t now = form.platform().wallClock.calendarNow();
  form[form1::TodayButton].setCaption(
      todayButtonText(planToday(form.platform().progress.keptCards(), now).dueCount()));
}

void openPanel(Form1& form, Entries& entries) {
  const Platform& platform = form.platform();
  const std::int64_t unix = platform.wallClock.now();
  const std::int64_t now = platform.wallClock.calendarNow();
  const std::vector<KeptCard> cards = platform.progress.keptCards();
  const TodayPlan plan = planToday(cards, now);
  entries = {};
  std::vector<DuePassage> portion;
  if (plan.newPortion) portion.push_back({*plan.newPortion, 0});
  showList(form, entries, kNewPortion, portion);
  showList(form, entries, kRecent, plan.recent);
  showList(form, entries, kOlder, plan.older);
  drawShares(form, learnedShares(cards));
  drawMinutes(
      form, minutesPerDay(platform.progress.readingsSince(unix - (kPracticeDays + 1) * kDayMs), now,
                          zoneOffset(platform.wallClock, unix)));
  form[form1::TodayButton].setCaption(todayButtonText(plan.dueCount()));
  form[form1::TodayPanel].setVisible(true);
}

const ChapterRow* chapterNumbered(const Catalog& catalog, int number) {
  for (const ChapterRow& chapter : catalog.chapters)
    if (chapter.number == number) return &chapter;
  return nullptr;
}

// Opens the passage's chapter and reads the passage as the chapter's last
// range is read again: the current repeat count and pause, its way.
void readEntry(Form1& form, const Passage& passage) {
  const ChapterRow* chapter = chapterNumbered(form.catalog(), passage.chapter);
  if (chapter == nullptr) return;
  form[form1::TodayPanel].setVisible(false);
  stopAnyReading(form);
  form[form1::Check2].setValue(0);
  try {
    openChapter(form, *chapter);
  } catch (const std::exception&) {
    // Content without the chapter's folder: nothing to read.
    return;
  }
  const std::optional<Reading> last = form.platform().progress.lastReading(passage);
  setRangeWay(form, last && last->way == ReadingWay::StepByStep ? RangeWay::Drill : RangeWay::Once);
  form[form1::Label10].setCaption(numberText(passage.firstVerse));
  form[form1::Label13].setCaption(numberText(passage.lastVerse));
  form.run(form1::DoingIt);
  form.run(form1::Command2);
}

// The notices after a move of the progress; none when no file was chosen.
void tellTransfer(MsgFormHolder& msgForm, TransferResult result, const char* done,
                  const char* refused) {
  if (result == TransferResult::NoFileChosen) return;
  const bool moved = result == TransferResult::Done;
  showNotice(msgForm, {.title = "نقل التقدم",
                       .firstLine = moved ? done : refused,
                       .secondLine = moved ? "" : "ولم يتغير شيء من تقدمك",
                       .blocksMainWindow = true});
}

bool onPanel(const Form1& form, const Control& control) {
  for (const Control* c = &control; c != nullptr; c = c->container())
    if (c == &form[form1::TodayPanel] || c == &form[form1::TodayButton]) return true;
  return false;
}

}  // namespace

void wireTodayPanel(Form1& form, MsgFormHolder& msgForm) {
  const auto entries = std::make_shared<Entries>();
  form[form1::TodayExport].onClick = [&form, &msgForm] {
    tellTransfer(msgForm, form.platform().progressFiles.exportToChosenFile(), "حُفظ تقدمك في الملف",
                 "تعذرت كتابة الملف");
  };
  form[form1::TodayImport].onClick = [&form, &msgForm, entries] {
    const TransferResult result = form.platform().progressFiles.importFromChosenFile();
    if (result == TransferResult::Done) openPanel(form, *entries);
    tellTransfer(msgForm, result, "أضيف ما في الملف إلى تقدمك", "ليس الملف تقدماً حفظه البرنامج");
  };
  form[form1::TodayButton].onClick = [&form, entries] {
    if (form[form1::TodayPanel].visible())
      form[form1::TodayPanel].setVisible(false);
    else
      openPanel(form, *entries);
  };
  form[form1::TodayClose].onClick = [&form] { form[form1::TodayPanel].setVisible(false); };
  for (int slot = 0; slot < form1::TodayEntry.size(); ++slot)
    form[form1::TodayEntry.at(slot)].onClick = [&form, entries, slot] {
      if (const std::optional<Passage> passage = (*entries)[static_cast<std::size_t>(slot)])
        readEntry(form, *passage);
    };
  form.window().onLoad = [&form, before = std::move(form.window().onLoad)] {
    if (before) before();
    showDueCount(form);
  };
  for (const auto grade : {form1::GradeAgain, form1::GradeHard, form1::GradeGood, form1::GradeEasy})
    form[grade].onClick = [&form, before = std::move(form[grade].onClick)] {
      if (before) before();
      showDueCount(form);
    };
}

void wireTodayPanelDismissal(Form1& form) {
  for (Control* control : form.controls()) {
    if (onPanel(form, *control)) continue;
    control->onMouseDown = [&form,
                            before = std::move(control->onMouseDown)](const MouseEvent& event) {
      form[form1::TodayPanel].setVisible(false);
      if (before) before(event);
    };
  }
}

}  // namespace hifz
