#pragma once

#include <QSettings>

namespace hifz {

/// What the program keeps between runs, in $XDG_CONFIG_HOME/hifz/hifz.conf
/// (by default ~/.config/hifz/hifz.conf), a small text file.
class UserSettings {
 public:
  UserSettings();

  /// Whether the learner was already told that the sample content's sound is
  /// a tone, and how to add a reciter.
  bool sampleNoticeShown() const;
  void setSampleNoticeShown();

 private:
  QSettings settings_;
};

}  // namespace hifz
