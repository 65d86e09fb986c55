#pragma once

namespace hifz {

/// The system's own sounds.
class Sound {
 public:
  virtual ~Sound() = default;
  /// Sounds the system beep and returns at once.
  virtual void beep() = 0;
};

class NullSound final : public Sound {
 public:
  void beep() override {}
};

}  // namespace hifz
