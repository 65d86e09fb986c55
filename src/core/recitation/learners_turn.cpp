#include "recitation/learners_turn.h"

#include <memory>

#include "recitation/turn_listener.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void turnBegins(Form1& form, TurnListener& listener) {
  form[form1::VerseCover].setVisible(form[form1::HideVerse].value() == 1);
  listener.turnBegins();
}

void turnEnds(Form1& form, TurnListener& listener) {
  form[form1::VerseCover].setVisible(false);
  listener.turnEnds();
}

}  // namespace

void wireLearnersTurn(Form1& form) {
  const auto listener = std::make_shared<TurnListener>(form);
  form[form1::TurnBegins].onClick = [&form, listener] { turnBegins(form, *listener); };
  form[form1::TurnEnds].onClick = [&form, listener] { turnEnds(form, *listener); };
}

}  // namespace hifz
