#include "recitation/verse_selection.h"

#include <array>
#include <string>
#include <string_view>

#include "controls/number_text.h"
#include "flash/fs_command.h"
#include "recitation/reading_rules.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

struct PageKey {
  std::string_view key;
  std::string_view page;
};

constexpr std::array kPageKeys = {
    PageKey{"99", "Menu2.gif"},
    PageKey{"98", "Menu.gif"},
    PageKey{"97", "Menu3.gif"},
};

// The verse whose key the args are, exactly as the menus send it: "10" is
// verse 10, while "01" or " 1" name no verse.
int verseOfKey(const std::string& args) {
  for (int verse = 1; verse <= kLastCodedVerse; ++verse)
    if (args == std::to_string(verse)) return verse;
  return 0;
}

const PageKey* pageOfKey(const std::string& args) {
  for (const PageKey& key : kPageKeys)
    if (args == key.key) return &key;
  return nullptr;
}

void showPage(Form1& form, std::string_view page) {
  form.reloadMovie(form[form1::flash1], form.chapterFilePath(page));
  form.state().MenuMovie = std::string(page);
}

void setRangeBound(Form1& form, int verse) {
  Label& first = form[form1::Label4];
  if (textNumber(first.caption()).value_or(0) == 0) first.setCaption(numberText(verse));
  if (textNumber(first.caption()).value_or(0) < verse) {
    form[form1::Label5].setCaption(numberText(verse));
    form[form1::Check2].setValue(0);
    form.run(form1::Range);
  }
}

void verseChosen(Form1& form, const std::string& command, const std::string& rawArgs) {
  if (form[form1::Picture9].visible()) return;
  int verse = 0;
  if (isClick(command)) {
    const std::string args = lowerCased(rawArgs);
    verse = verseOfKey(args);
    if (verse != 0) {
      listVerseMovies(form, std::string(VerseCode(verse)) + "-*.gif");
    } else if (const PageKey* page = pageOfKey(args)) {
      showPage(form, page->page);
      return;
    }
  }
  if (form[form1::Check2].value() == 1) {
    setRangeBound(form, verse);
    return;
  }
  if (form[form1::Check1].value() == 1) {
    // Forced to "On" so that a verse click always starts a reading, never stops one.
    form[form1::StopIt].setCaption("On");
    form.run(form1::StopIt);
  }
  form.state().RepeatsDone = 0;
}

}  // namespace

void wireVerseSelection(Form1& form) {
  form[form1::flash1].onFSCommand = [&form](const std::string& command, const std::string& args) {
    verseChosen(form, command, args);
  };
}

}  // namespace hifz
