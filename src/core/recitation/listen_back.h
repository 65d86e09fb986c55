#pragma once

#include "controls/control.h"
#include "platform/clock.h"
#include "recitation/take_shelf.h"
#include "recitation/turn_note.h"

namespace hifz {

class Form1;

/// "اسمعني" (`ListenBack`) and "احفظ" (`KeepTake`), shown while no reading
/// goes on and the reading's takes are there. The first plays the last take,
/// then the reciter's movie of its verse in the main display, and brings the
/// chapter's menu page back after it; a reading that begins silences both.
/// The second keeps the last take as a file and says in the turn's note what
/// became of it.
class ListenBack final : public ControlObserver {
 public:
  ListenBack(Form1& form, const TakeShelf& takes, TurnNote& note);
  ~ListenBack() override;
  ListenBack(const ListenBack&) = delete;
  ListenBack& operator=(const ListenBack&) = delete;

  void listen();
  void keep();
  /// Follows the stop button: a reading begins or ends.
  void controlChanged(const Control& control, Property property) override;

 private:
  void reciterAfterTake(const std::string& moviePath);
  void watchTheVerse();
  void silence();

  Form1& form_;
  const TakeShelf& takes_;
  TurnNote& note_;
  Clock::Ticket watch_ = 0;
};

}  // namespace hifz
