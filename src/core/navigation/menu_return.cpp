#include "navigation/menu_return.h"

#include <optional>
#include <string>

#include "navigation/content_catalog.h"
#include "navigation/menu_pages.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// Only the names of the chapter's own menu pages are taken; anything else
// loads the chapter folder itself, which shows nothing.
std::string menuPage(const Form1& form) {
  const std::string& menuMovie = form.state().MenuMovie;
  const std::optional<int> page = menuPageOf(menuMovie);
  return page && *page <= lastMenuPage(currentChapter(form)) ? menuMovie : std::string();
}

void menu(Form1& form) {
  form[form1::Label4].setCaption("0");
  form[form1::Label5].setCaption("0");
  form.run(form1::LastRange);
  form.reloadMovie(form[form1::flash1], form.chapterFilePath(menuPage(form)));
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
