#include "navigation/chapter_selection.h"

#include <exception>
#include <memory>
#include <string>

#include "dialog/notice.h"
#include "flash/fs_command.h"
#include "navigation/chapter_catalog.h"
#include "navigation/chapter_list_slots.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// The group whose list "verses1" holds: the first, or the later group picked last.
struct FirstListSlot {
  std::size_t group = 0;
};

void chooseGroup(Form1& form, FirstListSlot& firstSlot, const std::string& command,
                 const std::string& args) {
  for (const auto slot : kChapterListSlots) form[slot].setVisible(false);
  const std::vector<ChapterGroup>& groups = form.catalog().groups;
  if (isClick(command)) {
    const std::string key = lowerCased(args);
    for (std::size_t group = 0; group < groups.size(); ++group) {
      if (groups[group].key != key) continue;
      MovieSlot& slot = form[chapterListSlot(group)];
      if (&slot == &form[form1::verses1] && firstSlot.group != group) {
        form.reloadMovie(slot, form.dataFilePath(groups[group].listMovie));
        firstSlot.group = group;
      }
      slot.setVisible(true);
    }
  }
  form[form1::Picture12].setVisible(false);
}

// Shows the current chapter's menu and makes its last range ready.
void showCurrentChapter(Form1& form) {
  MainWindowState& state = form.state();
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

void openChosenChapter(Form1& form, const std::string& group, const std::string& command,
                       const std::string& args) {
  if (isClick(command)) {
    if (const ChapterRow* chapter = form.catalog().findChapter(group, lowerCased(args)))
      form.state().CurrentChapter = ChapterFolder(*chapter);
  }
  if (group == "2-1" || group == "2-2") form[form1::Picture11].setVisible(false);
  showCurrentChapter(form);
}

void chooseChapter(Form1& form, MsgFormHolder& msgForm, const std::string& group,
                   const std::string& command, const std::string& args) {
  try {
    openChosenChapter(form, group, command, args);
  } catch (const std::exception&) {
    showNotice(msgForm, {.title = "تنبيه",
                         .firstLine = "يمكنك إضافة السور الناقصة",
                         .secondLine = "من موقع البرنامج",
                         .blocksMainWindow = true});
  }
}

// The key of the group whose list the slot shows; none for a slot without a group.
std::string groupShownIn(const Form1& form, std::size_t slot, const FirstListSlot& firstSlot) {
  const std::size_t group = slot == 0 ? firstSlot.group : slot;
  const std::vector<ChapterGroup>& groups = form.catalog().groups;
  return group < groups.size() ? groups[group].key : std::string();
}

}  // namespace

void openChapter(Form1& form, const ChapterRow& chapter) {
  form.state().CurrentChapter = ChapterFolder(chapter);
  showCurrentChapter(form);
}

void wireChapterSelection(Form1& form, MsgFormHolder& msgForm) {
  const auto firstSlot = std::make_shared<FirstListSlot>();
  form[form1::TopMenu].onFSCommand = [&form, firstSlot](const std::string& command,
                                                        const std::string& args) {
    chooseGroup(form, *firstSlot, command, args);
  };
  for (std::size_t slot = 0; slot < kChapterListSlots.size(); ++slot) {
    form[kChapterListSlots[slot]].onFSCommand =
        [&form, &msgForm, firstSlot, slot](const std::string& command, const std::string& args) {
          chooseChapter(form, msgForm, groupShownIn(form, slot, *firstSlot), command, args);
        };
  }
}

}  // namespace hifz
