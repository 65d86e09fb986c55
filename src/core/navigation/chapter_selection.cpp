#include "navigation/chapter_selection.h"

#include <exception>
#include <string>

#include "dialog/notice.h"
#include "flash/fs_command.h"
#include "navigation/chapter_catalog.h"
#include "navigation/chapter_list_slots.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void chooseGroup(Form1& form, const std::string& command, const std::string& args) {
  for (const auto slot : kChapterListSlots) form[slot].setVisible(false);
  if (isClick(command)) {
    const std::string key = lowerCased(args);
    for (std::size_t i = 0; i < kChapterListSlots.size(); ++i)
      if (chapterGroups()[i].key == key) form[kChapterListSlots[i]].setVisible(true);
  }
  form[form1::Picture12].setVisible(false);
}

void openChapter(Form1& form, const ChapterGroup& group, const std::string& command,
                 const std::string& args) {
  MainWindowState& state = form.state();
  if (isClick(command)) {
    if (const ChapterRow* chapter = fixedCatalog().findChapter(group.key, lowerCased(args)))
      state.CurrentChapter = ChapterFolder(*chapter);
  }
  if (group.key == "2-1" || group.key == "2-2") form[form1::Picture11].setVisible(false);
  Image& noOthmani = form[form1::NoOthmani];
  noOthmani.setVisible(true);
  FileListBox& files = form[form1::File1];
  files.setPath(form.chapterFilePath(""));
  form[form1::flash1].setMovie(form.chapterFilePath("menu.gif"));
  // The main display now shows the chapter's first page, so a later return to
  // the menu must not ask this chapter for a page left from another one.
  state.MenuMovie = "Menu.gif";
  files.setPattern("othmani*.*");
  if (files.listCount() == 1) noOthmani.setVisible(false);
  form[form1::Picture8].setVisible(false);
  form[form1::Picture11].setVisible(false);
  form.run(form1::RecallRange);
}

void chooseChapter(Form1& form, MsgFormHolder& msgForm, const ChapterGroup& group,
                   const std::string& command, const std::string& args) {
  try {
    openChapter(form, group, command, args);
  } catch (const std::exception&) {
    showNotice(msgForm, {.title = "تنبيه",
                         .firstLine = "يمكنك إضافة السور الناقصة",
                         .secondLine = "من موقع البرنامج",
                         .blocksMainWindow = true});
  }
}

}  // namespace

void wireChapterSelection(Form1& form, MsgFormHolder& msgForm) {
  form[form1::TopMenu].onFSCommand = [&form](const std::string& command, const std::string& args) {
    chooseGroup(form, command, args);
  };
  for (std::size_t i = 0; i < kChapterListSlots.size(); ++i) {
    const ChapterGroup& group = chapterGroups()[i];
    form[kChapterListSlots[i]].onFSCommand = [&form, &msgForm, &group](const std::string& command,
                                                                       const std::string& args) {
      chooseChapter(form, msgForm, group, command, args);
    };
  }
}

}  // namespace hifz
