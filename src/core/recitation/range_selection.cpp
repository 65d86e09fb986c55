#include "recitation/range_selection.h"

#include <memory>
#include <string>
#include <vector>

#include "controls/number_text.h"
#include "recitation/reading_rules.h"
#include "recitation/remembered_reading.h"
#include "recitation/repetition_settings.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void rangeChoosingSwitched(Form1& form) {
  if (form[form1::Check2].value() != 1) return;
  form[form1::Label4].setCaption("0");
  form.state().RangeMode = 1;
}

void startChoosing(Form1& form) {
  form[form1::Timer1].setInterval(0);
  form.run(form1::fadein);
  form[form1::Check2].setValue(1);
  form[form1::Picture4].setVisible(false);
}

// Verses without a code (outside 1 to 47) are looked for under their number.
std::string filePrefix(int verse) {
  const std::string_view code = VerseCode(verse);
  return code.empty() ? numberText(verse) : std::string(code);
}

std::vector<VerseMovies> rangeMovies(Form1& form, VerseRange bounds) {
  Label& listing = form[form1::L4];
  FileListBox& files = form[form1::File1];
  std::vector<VerseMovies> verses;
  for (int verse = bounds.first; verse <= bounds.last; ++verse) {
    listVerseMovies(form, filePrefix(verse) + "-*.*");
    VerseMovies& movies = verses.emplace_back(VerseMovies{verse, {}});
    for (int entry = 0; entry < files.listCount(); ++entry) {
      files.setListIndex(entry);
      movies.movies.push_back(files.fileName());
    }
    listing.setCaption(numberText(verse + 1));
  }
  return verses;
}

void readRange(Form1& form, RangePlan& plan, RememberedReading& memory) {
  Label& first = form[form1::Label4];
  Label& last = form[form1::Label5];
  const std::optional<VerseRange> bounds = rangeBounds(first.caption(), last.caption());
  if (!bounds) return;
  form[form1::kind].setCaption("all");
  form[form1::Label10].setCaption(first.caption());
  form[form1::Label13].setCaption(last.caption());
  form[form1::L4].setCaption(first.caption());
  ListBox& range = form[form1::List1];
  range.clear();
  form[form1::StopIt].setCaption("Off");
  const std::vector<VerseMovies> verses = rangeMovies(form, *bounds);
  plan.start(rangeWay(form) == RangeWay::Drill ? drillOrder(verses) : rangeInOrder(verses));
  for (const RangeStep& step : plan.steps()) range.addItem(step.movie);
  memory.rangeStarted(form, *bounds);
  form.state().VerseIndex = 0;
  form.run(form1::Read);
}

void readLastRange(Form1& form) {
  const Label& first = form[form1::Label10];
  const Label& last = form[form1::Label13];
  if (!rangeBounds(first.caption(), last.caption())) return;
  form[form1::Label4].setCaption(first.caption());
  form[form1::Label5].setCaption(last.caption());
  form.state().RangeMode = 1;
  form.run(form1::Range);
}

// The chapter's last range, read or kept, when it has one.
std::optional<VerseRange> lastRange(const Form1& form) {
  const std::optional<VerseRange> last =
      rangeBounds(form[form1::Label10].caption(), form[form1::Label13].caption());
  if (!last || last->first < 1) return std::nullopt;
  return last;
}

// While no range is chosen or read, the range labels show the chapter's last
// range, so that the learner sees what a click on them reads again.
void showLastRange(Form1& form) {
  if (!lastRange(form) || form[form1::Check2].value() == 1) return;
  form[form1::Label4].setCaption(form[form1::Label10].caption());
  form[form1::Label5].setCaption(form[form1::Label13].caption());
}

void lastRangeClicked(Form1& form) {
  if (form[form1::playing].visible() || form[form1::Check2].value() == 1 || !lastRange(form))
    return;
  form.run(form1::DoingIt);
  form.run(form1::Command2);
}

void readWholeChapterMovies(Form1& form) {
  FileListBox& files = form[form1::File1];
  files.setPattern(std::string(kWholeChapterMovies));
  files.setListIndex(0);
  form.run(form1::StopIt);
}

}  // namespace

void wireRangeSelection(Form1& form, const std::shared_ptr<RangePlan>& plan,
                        const std::shared_ptr<RememberedReading>& memory) {
  form[form1::Check2].onClick = [&form] { rangeChoosingSwitched(form); };
  form[form1::Command3].onClick = [&form] { startChoosing(form); };
  form[form1::Range].onClick = [&form, plan, memory] { readRange(form, *plan, *memory); };
  form[form1::Command2].onClick = [&form] { readLastRange(form); };
  form[form1::Command1].onClick = [&form] { readWholeChapterMovies(form); };
  form[form1::LastRange].onClick = [&form] { showLastRange(form); };
  form[form1::Label4].onClick = [&form] { lastRangeClicked(form); };
  form[form1::Label5].onClick = [&form] { lastRangeClicked(form); };
}

}  // namespace hifz
