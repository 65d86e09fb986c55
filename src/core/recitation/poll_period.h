#pragma once

#include <cstdint>
#include <optional>

namespace hifz {

class Form1;

/// The period of the reading's poll `Timer1`. Pause mode writes its pause
/// into `Text1` (a keypad choice, the pause computed at each ended play), and
/// that pause arms the pause timer only: every play polls at the period
/// `Text1` held before pause mode wrote it, so the end of a play is noticed
/// as soon in pause mode as without it and the pause does not grow from one
/// play to the next.
class PollPeriod {
 public:
  /// Writes `milliseconds` into `Text1` as pause mode's value.
  void writePause(Form1& form, double milliseconds);
  /// The period a play polls at: `Text1`'s, or what it held before pause
  /// mode wrote it.
  std::int64_t of(const Form1& form) const;
  /// `Text1` holds a poll period again (`reset` has put "500" there).
  void forget() { kept_.reset(); }

 private:
  std::optional<std::int64_t> kept_;
};

}  // namespace hifz
