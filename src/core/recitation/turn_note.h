#pragma once

#include <string>

#include "platform/clock.h"

namespace hifz {

class Form1;

/// A word on the learner's turn under the countdown (`TurnNote`): "لم أسمعك"
/// after a turn without voice, what became of a take kept. It shows for 2.5 s;
/// a new word takes the place of the one showing.
class TurnNote {
 public:
  explicit TurnNote(Form1& form) : form_(form) {}
  ~TurnNote();
  TurnNote(const TurnNote&) = delete;
  TurnNote& operator=(const TurnNote&) = delete;

  void show(const std::string& words);

 private:
  Form1& form_;
  Clock::Ticket pending_ = 0;
};

}  // namespace hifz
