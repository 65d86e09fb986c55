#include "quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <utility>

namespace hifz {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's writing end, for the handler; only writing is safe there.
volatile std::sig_atomic_t writeEnd = -1;

void onSignal(int signal) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
  errno = saved;
}

void setHandler(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(signal, &action, nullptr);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void(int)> quit) : quit_(std::move(quit)) {
  if (writeEnd != -1) throw std::logic_error("QuitSignals: one at a time");
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("QuitSignals: no pipe");
  writeEnd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::take);
  for (int signal : kSignals) setHandler(signal, onSignal);
}

QuitSignals::~QuitSignals() {
  for (int signal : kSignals) setHandler(signal, SIG_DFL);
  writeEnd = -1;
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

int QuitSignals::exitStatus(int signal) { return signal == SIGINT ? 128 + SIGINT : 0; }

void QuitSignals::take() {
  unsigned char byte = 0;
  while (::read(pipe_[0], &byte, 1) == 1) {
    // A second signal while the first is being dealt with adds nothing.
    if (received_) continue;
    received_ = byte;
    quit_(byte);
  }
}

}  // namespace hifz
