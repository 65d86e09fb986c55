#include "recitation/range_selection.h"

#include <string>

#include "controls/number_text.h"
#include "recitation/reading_rules.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void rangeChoosingSwitched(Form1& form) {
  if (form.checkBox("Check2").value() != 1) return;
  form.label("Label4").setCaption("0");
  form.state().RangeMode = 1;
}

void startChoosing(Form1& form) {
  form.timer("Timer1").setInterval(0);
  form.run("fadein");
  form.checkBox("Check2").setValue(1);
  form.panel("Picture4").setVisible(false);
}

// Verses without a code (outside 1 to 47) are looked for under their number.
std::string filePrefix(int verse) {
  const std::string_view code = VerseCode(verse);
  return code.empty() ? numberText(verse) : std::string(code);
}

void readRange(Form1& form) {
  Label& first = form.label("Label4");
  Label& last = form.label("Label5");
  const std::optional<VerseRange> bounds = rangeBounds(first.caption(), last.caption());
  if (!bounds) return;
  form.label("kind").setCaption("all");
  form.label("Label10").setCaption(first.caption());
  form.label("Label13").setCaption(last.caption());
  Label& listing = form.label("L4");
  listing.setCaption(first.caption());
  ListBox& range = form.listBox("List1");
  range.clear();
  form.button("StopIt").setCaption("Off");
  FileListBox& files = form.fileList("File1");
  for (int verse = bounds->first; verse <= bounds->last; ++verse) {
    listVerseMovies(form, filePrefix(verse) + "-*.*");
    for (int entry = 0; entry < files.listCount(); ++entry) {
      files.setListIndex(entry);
      range.addItem(files.fileName());
    }
    listing.setCaption(numberText(verse + 1));
  }
  form.state().VerseIndex = 0;
  form.run("Read");
}

void readLastRange(Form1& form) {
  const Label& first = form.label("Label10");
  const Label& last = form.label("Label13");
  if (!rangeBounds(first.caption(), last.caption())) return;
  form.label("Label4").setCaption(first.caption());
  form.label("Label5").setCaption(last.caption());
  form.state().RangeMode = 1;
  form.run("Range");
}

void readWholeChapterMovies(Form1& form) {
  FileListBox& files = form.fileList("File1");
  files.setPattern(std::string(kWholeChapterMovies));
  files.setListIndex(0);
  form.run("StopIt");
}

}  // namespace

void wireRangeSelection(Form1& form) {
  form.checkBox("Check2").onClick = [&form] { rangeChoosingSwitched(form); };
  form.button("Command3").onClick = [&form] { startChoosing(form); };
  form.button("Range").onClick = [&form] { readRange(form); };
  form.button("Command2").onClick = [&form] { readLastRange(form); };
  form.button("Command1").onClick = [&form] { readWholeChapterMovies(form); };
}

}  // namespace hifz
