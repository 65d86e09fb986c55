#include "navigation/navigation_buttons.h"

#include "shell/form1.h"

namespace hifz {
namespace {

void exitQuestion(Form1& form) {
  form[form1::ExitMe].setVisible(true);
  form[form1::TopMenu].setVisible(false);
  form[form1::Picture11].setVisible(true);
  form[form1::Picture12].setVisible(true);
  form[form1::Picture13].setVisible(false);
  form[form1::Picture8].setVisible(true);
  form.run(form1::reset);
}

void mainMenu(Form1& form) {
  form[form1::Picture13].setVisible(false);
  form[form1::Picture11].setVisible(true);
  form[form1::TopMenu].setVisible(true);
  form[form1::Picture12].setVisible(true);
  form[form1::Picture8].setVisible(true);
  form.run(form1::reset);
}

// The strip stays hidden, so the list of the group chosen last is in view.
void chapterList(Form1& form) {
  if (form[form1::Picture12].visible()) return;
  form[form1::Picture13].setVisible(false);
  form[form1::Picture11].setVisible(true);
  form[form1::Picture8].setVisible(true);
  form.run(form1::reset);
}

void options(Form1& form) {
  form[form1::Picture13].setVisible(false);
  form.run(form1::reset);
  form[form1::Picture9].setVisible(true);
  form[form1::TurnOptions].setVisible(true);
}

}  // namespace

void wireNavigationButtons(Form1& form) {
  form[form1::Image12].onClick = [&form] { exitQuestion(form); };
  form[form1::Image20].onClick = [&form] { mainMenu(form); };
  form[form1::Image22].onClick = [&form] { chapterList(form); };
  form[form1::Image19].onClick = [&form] { options(form); };
}

}  // namespace hifz
