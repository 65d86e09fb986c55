#pragma once

struct pa_context;
struct pa_threaded_mainloop;

namespace hifz {

/// A short tone of the program's own, played on the sound server's default
/// output, so at that output's volume.
class PulseTone {
 public:
  PulseTone() = default;
  ~PulseTone();
  PulseTone(const PulseTone&) = delete;
  PulseTone& operator=(const PulseTone&) = delete;

  /// Starts the tone and returns; false when no sound server answers.
  bool play();

  /// The tone: a sine of this pitch and length, faded in and out.
  static constexpr double kPitchHz = 880;
  static constexpr int kLengthMs = 150;

 private:
  bool connect();
  void disconnect();

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
};

}  // namespace hifz
