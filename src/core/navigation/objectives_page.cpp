#include "navigation/objectives_page.h"

#include <exception>

#include "navigation/windows_1256.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void openObjectives(Form1& form) {
  if (form[form1::Picture8].visible() || form.state().CurrentChapter.empty()) return;
  // Whatever goes wrong from here on, the page stays open with what it has.
  try {
    form[form1::Picture10].setVisible(true);
    Label& text = form[form1::Label12];
    text.setCaption("");
    form.run(form1::reset);
    // The text is written in the Arabic code page of the system it was made on.
    if (const auto bytes = form.platform().files.readFile(form.chapterFilePath("TFS.txt")))
      text.setCaption(windows1256ToUtf8(*bytes));
  } catch (const std::exception&) {
  }
}

void closeObjectives(Form1& form) {
  form.run(form1::DoingIt);
  form[form1::Picture10].setVisible(false);
}

}  // namespace

void wireObjectivesPage(Form1& form) {
  form[form1::Image17].onClick = [&form] { openObjectives(form); };
  form[form1::Image21].onClick = [&form] { closeObjectives(form); };
}

}  // namespace hifz
