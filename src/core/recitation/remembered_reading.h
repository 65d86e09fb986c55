#pragma once

#include <map>
#include <memory>
#include <string>

#include "recitation/poll_period.h"
#include "recitation/reading_rules.h"

namespace hifz {

class Form1;
class SettingsStore;

/// What the program keeps of the learner's way of reading between runs: the
/// repeat count, pause mode and its seconds, the auto-start option, the
/// learner's turn options and each chapter's last range with its way of
/// reading (once, without end, or drilled), each range under its chapter's
/// number. Kept settings that make no sense are set aside whole; the program
/// starts as if none were kept. A range its chapter does not hold is set
/// aside alone when the chapter is opened. Ranges that earlier versions kept
/// under a group and a key ("ranges/1-1.1") are read as the original course's
/// chapters and written under their numbers at the next change.
class RememberedReading {
 public:
  /// At start: the kept repeat count, pause and auto-start.
  void recall(Form1& form, PollPeriod& period);
  /// The current chapter was opened: its kept range, when the chapter holds
  /// it, is shown and is the last range, ready to be read again.
  void recallRange(Form1& form);
  /// The repeat count, the pause or a turn option may have changed.
  void remember(Form1& form);
  void rememberAutoStart(Form1& form);
  /// A range of the current chapter is being read.
  void rangeStarted(Form1& form, VerseRange bounds);

 private:
  void keep(Form1& form, const std::string& key, const std::string& value);
  void moveFormerRangeKeys(SettingsStore& store);

  std::map<std::string, std::string> kept_;
  // Ranges read under a former key and not yet written under their new one:
  // new key, former key.
  std::map<std::string, std::string> formerKeys_;
};

/// `Recall`, `RecallRange` and `Remember`, and the auto-start option
/// `Check1`, kept whenever it changes.
void wireRememberedReading(Form1& form, const std::shared_ptr<PollPeriod>& period,
                           const std::shared_ptr<RememberedReading>& memory);

}  // namespace hifz
