#include "navigation/menu_return.h"

#include <string>

#include "shell/form1.h"

namespace hifz {
namespace {

// Only the three page names the chapter menus use are taken; anything else
// loads the chapter folder itself, which shows nothing.
std::string menuPage(const std::string& menuMovie) {
  return menuMovie == "Menu.gif" || menuMovie == "Menu2.gif" || menuMovie == "Menu3.gif"
             ? menuMovie
             : std::string();
}

void menu(Form1& form) {
  form[form1::Label4].setCaption("0");
  form[form1::Label5].setCaption("0");
  form.run(form1::LastRange);
  form.reloadMovie(form[form1::flash1], form.chapterFilePath(menuPage(form.state().MenuMovie)));
  form[form1::playing].setVisible(false);
}

void fadeIn(Form1& form) {
  form.state().RepeatsDone = 0;
  form[form1::flash1].setMovie(form.chapterFilePath("menu.gif"));
  form[form1::Picture5].setVisible(false);
}

}  // namespace

void wireMenuReturn(Form1& form) {
  form[form1::Menu].onClick = [&form] { menu(form); };
  form[form1::fadein].onClick = [&form] { fadeIn(form); };
}

}  // namespace hifz
