#pragma once

#include <QSettings>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

#include "platform/settings_store.h"

namespace hifz {

/// What the program keeps between runs, in $XDG_CONFIG_HOME/hifz/hifz.conf
/// (by default ~/.config/hifz/hifz.conf), a small text file. A file that
/// cannot be read, or whose settings make no sense, is not used: one line on
/// stderr says so, and the next change replaces it.
class UserSettings final : public SettingsStore {
 public:
  UserSettings();

  std::map<std::string, std::string> values() const override;
  void setValue(const std::string& key, const std::string& value) override;
  void discard(const std::string& why) override;
  void forget(const std::string& key) override;
  void discardValue(const std::string& key, const std::string& why) override;

  /// Whether the learner was already told that the sample content's sound is
  /// a tone, and how to add a reciter.
  bool sampleNoticeShown() const;
  void setSampleNoticeShown();

 private:
  void setAside(const std::string& why);

  std::unique_ptr<QSettings> settings_;
  QStringList forgotten_;
  bool replaceOnChange_ = false;
  bool toldWriteFailed_ = false;
};

}  // namespace hifz
