#pragma once

#include <map>
#include <string>

namespace hifz {

/// What the program keeps between runs: short texts under keys such as
/// "reading/repeat", kept in a file of the user's own.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  /// Every key and its text as they were read at start; empty when none were
  /// kept or they were discarded.
  virtual std::map<std::string, std::string> values() const = 0;
  /// Keeps `value` under `key` at once, so that nothing is lost if the
  /// program ends without its close.
  virtual void setValue(const std::string& key, const std::string& value) = 0;
  /// The kept values make no sense: they are set aside, the user is told why
  /// in one line, and the next setValue() starts the settings afresh.
  virtual void discard(const std::string& why) = 0;
  /// `key` is no longer used: it is left out of the file from the next
  /// setValue() on.
  virtual void forget(const std::string& key) = 0;
  /// The value kept under `key` makes no sense, though the others do: the user
  /// is told why in one line, and the key is forgotten.
  virtual void discardValue(const std::string& key, const std::string& why) = 0;
};

/// Keeps nothing.
class NullSettingsStore final : public SettingsStore {
 public:
  std::map<std::string, std::string> values() const override { return {}; }
  void setValue(const std::string&, const std::string&) override {}
  void discard(const std::string&) override {}
  void forget(const std::string&) override {}
  void discardValue(const std::string&, const std::string&) override {}
};

}  // namespace hifz
