#pragma once

#include <string>

namespace hifz {

/// Where the program tells its user, in one line each, of something it found
/// wrong and went on without (standard error on Linux).
class Diagnostics {
 public:
  virtual ~Diagnostics() = default;
  virtual void report(const std::string& line) = 0;
};

/// Tells nobody.
class NullDiagnostics final : public Diagnostics {
 public:
  void report(const std::string&) override {}
};

/// The one NullDiagnostics that platforms without diagnostics share.
inline Diagnostics& noDiagnostics() {
  static NullDiagnostics none;
  return none;
}

}  // namespace hifz
