#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QSocketNotifier;

namespace hifz {

/// Turns SIGTERM, SIGHUP and SIGINT into a call of `quit` on the event loop's
/// turn, where the program may do what closing its window does (a signal
/// handler itself may do almost nothing). One at a time; the signals get their
/// default action back when it goes.
class QuitSignals final : public QObject {
 public:
  explicit QuitSignals(std::function<void(int signal)> quit);
  ~QuitSignals() override;
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  /// The first signal taken, if any.
  std::optional<int> received() const { return received_; }

  /// What the program ends with after `signal`: a user's request to end
  /// (SIGTERM, SIGHUP) is a clean end; an interrupt ends as shells expect.
  static int exitStatus(int signal);

 private:
  void take();

  std::function<void(int)> quit_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  std::optional<int> received_;
};

}  // namespace hifz
