#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace hifz {

/// The sound server's default source, heard as 16-bit mono samples at
/// `kMicrophoneRate`. Its callbacks come on the program's own thread, between
/// events, never from inside start() or stop().
class Microphone {
 public:
  /// Samples heard, in order, with nothing left out between two blocks.
  using Heard = std::function<void(std::span<const std::int16_t>)>;
  /// The source stopped by itself (gone, failed, the server went away); why,
  /// in a few words. Nothing more is heard after it.
  using Failed = std::function<void(const std::string&)>;

  virtual ~Microphone() = default;
  /// Starts listening; why not, when there is no source to listen to.
  virtual std::optional<std::string> start(Heard heard, Failed failed) = 0;
  /// Stops listening; nothing more is heard. Stopping a stopped one does nothing.
  virtual void stop() = 0;
};

inline constexpr int kMicrophoneRate = 16000;

/// A machine without a microphone.
class NullMicrophone final : public Microphone {
 public:
  std::optional<std::string> start(Heard, Failed) override { return "no microphone"; }
  void stop() override {}
};

/// The one NullMicrophone that platforms without a microphone share.
inline Microphone& noMicrophone() {
  static NullMicrophone none;
  return none;
}

}  // namespace hifz
