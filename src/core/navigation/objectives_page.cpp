#include "navigation/objectives_page.h"

#include <exception>

#include "navigation/windows_1256.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void openObjectives(Form1& form) {
  if (form.panel("Picture8").visible() || form.state().CurrentChapter.empty()) return;
  // Whatever goes wrong from here on, the page stays open with what it has.
  try {
    form.panel("Picture10").setVisible(true);
    Label& text = form.label("Label12");
    text.setCaption("");
    form.run("reset");
    // The text is written in the Arabic code page of the system it was made on.
    if (const auto bytes = form.platform().files.readFile(form.chapterFilePath("TFS.txt")))
      text.setCaption(windows1256ToUtf8(*bytes));
  } catch (const std::exception&) {
  }
}

void closeObjectives(Form1& form) {
  form.run("DoingIt");
  form.panel("Picture10").setVisible(false);
}

}  // namespace

void wireObjectivesPage(Form1& form) {
  form.image("Image17").onClick = [&form] { openObjectives(form); };
  form.image("Image21").onClick = [&form] { closeObjectives(form); };
}

}  // namespace hifz
