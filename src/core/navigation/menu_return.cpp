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
  form.label("Label4").setCaption("0");
  form.label("Label5").setCaption("0");
  form.reloadMovie(form.slot("flash1"), form.chapterFilePath(menuPage(form.state().MenuMovie)));
  form.image("playing").setVisible(false);
}

void fadeIn(Form1& form) {
  form.state().RepeatsDone = 0;
  form.slot("flash1").setMovie(form.chapterFilePath("menu.gif"));
  form.panel("Picture5").setVisible(false);
}

}  // namespace

void wireMenuReturn(Form1& form) {
  form.button("Menu").onClick = [&form] { menu(form); };
  form.button("fadein").onClick = [&form] { fadeIn(form); };
}

}  // namespace hifz
