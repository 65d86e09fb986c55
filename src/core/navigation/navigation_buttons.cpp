#include "navigation/navigation_buttons.h"

#include "shell/form1.h"

namespace hifz {
namespace {

void exitQuestion(Form1& form) {
  form.slot("ExitMe").setVisible(true);
  form.slot("TopMenu").setVisible(false);
  form.panel("Picture11").setVisible(true);
  form.panel("Picture12").setVisible(true);
  form.panel("Picture13").setVisible(false);
  form.panel("Picture8").setVisible(true);
  form.run("reset");
}

void mainMenu(Form1& form) {
  form.panel("Picture13").setVisible(false);
  form.panel("Picture11").setVisible(true);
  form.slot("TopMenu").setVisible(true);
  form.panel("Picture12").setVisible(true);
  form.panel("Picture8").setVisible(true);
  form.run("reset");
}

// The strip stays hidden, so the list of the group chosen last is in view.
void chapterList(Form1& form) {
  if (form.panel("Picture12").visible()) return;
  form.panel("Picture13").setVisible(false);
  form.panel("Picture11").setVisible(true);
  form.panel("Picture8").setVisible(true);
  form.run("reset");
}

void options(Form1& form) {
  form.panel("Picture13").setVisible(false);
  form.run("reset");
  form.panel("Picture9").setVisible(true);
}

}  // namespace

void wireNavigationButtons(Form1& form) {
  form.image("Image12").onClick = [&form] { exitQuestion(form); };
  form.image("Image20").onClick = [&form] { mainMenu(form); };
  form.image("Image22").onClick = [&form] { chapterList(form); };
  form.image("Image19").onClick = [&form] { options(form); };
}

}  // namespace hifz
