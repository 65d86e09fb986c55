#include "recitation/learners_turn.h"

#include "shell/form1.h"

namespace hifz {
namespace {

void turnBegins(Form1& form) {
  form[form1::VerseCover].setVisible(form[form1::HideVerse].value() == 1);
}

void turnEnds(Form1& form) { form[form1::VerseCover].setVisible(false); }

}  // namespace

void wireLearnersTurn(Form1& form) {
  form[form1::TurnBegins].onClick = [&form] { turnBegins(form); };
  form[form1::TurnEnds].onClick = [&form] { turnEnds(form); };
}

}  // namespace hifz
