#include "recitation/learners_turn.h"

#include <memory>

#include "recitation/listen_back.h"
#include "recitation/turn_listener.h"
#include "recitation/turn_note.h"
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

// What the turn's procedures share, for as long as the window has them.
struct LearnersTurn {
  explicit LearnersTurn(Form1& form)
      : note(form), listener(form, note), back(form, listener.takes(), note) {}
  TurnNote note;
  TurnListener listener;
  ListenBack back;
};

}  // namespace

void wireLearnersTurn(Form1& form) {
  const auto turn = std::make_shared<LearnersTurn>(form);
  form[form1::TurnBegins].onClick = [&form, turn] { turnBegins(form, turn->listener); };
  form[form1::TurnEnds].onClick = [&form, turn] { turnEnds(form, turn->listener); };
  form[form1::ListenBack].onClick = [turn] { turn->back.listen(); };
  form[form1::KeepTake].onClick = [turn] { turn->back.keep(); };
}

}  // namespace hifz
