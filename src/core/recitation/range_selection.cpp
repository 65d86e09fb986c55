#include "recitation/range_selection.h"

#include <string>

#include "controls/number_text.h"
#include "recitation/reading_rules.h"
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

void readRange(Form1& form) {
  Label& first = form[form1::Label4];
  Label& last = form[form1::Label5];
  const std::optional<VerseRange> bounds = rangeBounds(first.caption(), last.caption());
  if (!bounds) return;
  form[form1::kind].setCaption("all");
  form[form1::Label10].setCaption(first.caption());
  form[form1::Label13].setCaption(last.caption());
  Label& listing = form[form1::L4];
  listing.setCaption(first.caption());
  ListBox& range = form[form1::List1];
  range.clear();
  form[form1::StopIt].setCaption("Off");
  FileListBox& files = form[form1::File1];
  for (int verse = bounds->first; verse <= bounds->last; ++verse) {
    listVerseMovies(form, filePrefix(verse) + "-*.*");
    for (int entry = 0; entry < files.listCount(); ++entry) {
      files.setListIndex(entry);
      range.addItem(files.fileName());
    }
    listing.setCaption(numberText(verse + 1));
  }
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

void readWholeChapterMovies(Form1& form) {
  FileListBox& files = form[form1::File1];
  files.setPattern(std::string(kWholeChapterMovies));
  files.setListIndex(0);
  form.run(form1::StopIt);
}

}  // namespace

void wireRangeSelection(Form1& form) {
  form[form1::Check2].onClick = [&form] { rangeChoosingSwitched(form); };
  form[form1::Command3].onClick = [&form] { startChoosing(form); };
  form[form1::Range].onClick = [&form] { readRange(form); };
  form[form1::Command2].onClick = [&form] { readLastRange(form); };
  form[form1::Command1].onClick = [&form] { readWholeChapterMovies(form); };
}

}  // namespace hifz
