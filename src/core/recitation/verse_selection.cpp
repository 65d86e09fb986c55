#include "recitation/verse_selection.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "controls/number_text.h"
#include "flash/fs_command.h"
#include "navigation/content_catalog.h"
#include "navigation/menu_pages.h"
#include "recitation/reading_rules.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// The keys of the original course's menus for their three pages. A chapter of
// 97 verses or more needs those keys for its verses; its pages have only
// "page<N>".
constexpr int kVersesBeforePageKeys = 97;
constexpr std::array<std::pair<std::string_view, int>, 3> kPageKeys = {{
    {"99", 2},
    {"98", 1},
    {"97", 3},
}};
constexpr std::string_view kPageKeyPrefix = "page";

// The verses a chapter's menu may name: its verse count when the catalog
// gives it, else the 47 the original course's menus send.
int lastVerseKey(const ChapterRow* chapter) {
  constexpr int kOriginalVerses = 47;
  return chapter != nullptr && chapter->verses > 0 ? chapter->verses : kOriginalVerses;
}

// The verse whose key the args are, exactly as the menus send it: "10" is
// verse 10, while "01" or " 1" name no verse.
int verseOfKey(const std::string& args, const ChapterRow* chapter) {
  const std::optional<int> verse = plainNumber(args);
  return verse && *verse <= lastVerseKey(chapter) ? *verse : 0;
}

std::optional<int> pageOfKey(const std::string& args, const ChapterRow* chapter) {
  if (lastVerseKey(chapter) < kVersesBeforePageKeys) {
    for (const auto& [key, page] : kPageKeys)
      if (args == key) return page;
  }
  if (!args.starts_with(kPageKeyPrefix)) return std::nullopt;
  const std::optional<int> page = plainNumber(std::string_view(args).substr(kPageKeyPrefix.size()));
  if (!page || *page > lastMenuPage(chapter)) return std::nullopt;
  return page;
}

void showPage(Form1& form, int page) {
  const std::string name = menuPageName(page);
  form.reloadMovie(form[form1::flash1], form.chapterFilePath(name));
  form.state().MenuMovie = name;
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
    const ChapterRow* chapter = currentChapter(form);
    verse = verseOfKey(args, chapter);
    if (verse != 0) {
      listVerseMovies(form, std::string(VerseCode(verse)) + "-*.gif");
    } else if (const std::optional<int> page = pageOfKey(args, chapter)) {
      showPage(form, *page);
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
