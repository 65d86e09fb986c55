#pragma once

#include <functional>
#include <optional>

#include "controls/control.h"
#include "platform/progress_store.h"

namespace hifz {

class Form1;

/// Writes each reading that plays to the practice log when it ends: its
/// passage, by the chapter's number, and way, the plays heard whole, the
/// learner's turns, when it began and how long it took. A reading ends when
/// the stop button goes (the menu comes back, the learner stops it, another
/// screen is chosen), or when a play of another passage or way begins.
class ReadingLog final : public ControlObserver {
 public:
  /// `ranToEnd` is told of each reading that ran to its end, once it is logged.
  explicit ReadingLog(Form1& form, std::function<void(const Reading&)> ranToEnd = {});
  ReadingLog(const ReadingLog&) = delete;
  ReadingLog& operator=(const ReadingLog&) = delete;

  /// A play begins (`Read`).
  void playStarted();
  /// A play ran to its end.
  void playHeard();
  /// A learner's turn began.
  void turnGiven();
  /// The reading ran to its end by itself: it ends now.
  void ranToEnd();

  void controlChanged(const Control& control, Property property) override;

 private:
  void end(bool toItsEnd = false);

  Form1& form_;
  std::function<void(const Reading&)> ranToEnd_;
  std::optional<Reading> reading_;
};

}  // namespace hifz
