#include "platform/pulse_microphone.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hifz {
namespace {

// Runs the event loop until `done` or `ms` have passed.
void runEventsUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct Listening {
  std::size_t samples = 0;
  std::vector<std::string> failures;
};

std::optional<std::string> listen(PulseMicrophone& microphone, Listening& listening) {
  return microphone.start(
      [&listening](std::span<const std::int16_t> heard) { listening.samples += heard.size(); },
      [&listening](const std::string& why) { listening.failures.push_back(why); });
}

TEST(PulseMicrophone, HearsTheDefaultSourceInTimeUntilStopped) {
  PulseMicrophone microphone;
  Listening listening;
  ASSERT_EQ(listen(microphone, listening), std::nullopt);
  runEventsUntil([] { return false; }, 1000);
  ASSERT_GT(listening.samples, 0U);
  // A second of sound takes a second to hear, give or take the server's blocks.
  const std::size_t before = listening.samples;
  runEventsUntil([] { return false; }, 1000);
  EXPECT_NEAR(static_cast<double>(listening.samples - before), kMicrophoneRate,
              0.25 * kMicrophoneRate);
  microphone.stop();
  const std::size_t heard = listening.samples;
  runEventsUntil([] { return false; }, 300);
  EXPECT_EQ(listening.samples, heard) << "nothing is heard once stopped";
  EXPECT_TRUE(listening.failures.empty());
  // It listens again after a stop.
  ASSERT_EQ(listen(microphone, listening), std::nullopt);
  runEventsUntil([&] { return listening.samples > heard; }, 2000);
  EXPECT_GT(listening.samples, heard);
}

// A sound server of the test's own, with a null source, ended when the test is.
class PrivateServer {
 public:
  PrivateServer() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", folder_.path());
    environment.insert("XDG_RUNTIME_DIR", folder_.path());
    server_.setProcessEnvironment(environment);
    server_.start(
        "pulseaudio",
        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--log-target=stderr", "--log-level=error",
         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket(),
         "--load=module-null-source source_name=private_microphone"});
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket()) && waited.elapsed() < 5000) QThread::msleep(20);
  }
  ~PrivateServer() { end(); }
  QString socket() const { return folder_.filePath("sound"); }
  void end() {
    server_.kill();
    server_.waitForFinished();
  }

 private:
  QTemporaryDir folder_;
  QProcess server_;
};

// The server goes away while the turn is heard: told once, nothing more heard.
TEST(PulseMicrophone, AServerThatGoesAwayIsToldOnce) {
  PrivateServer server;
  ASSERT_TRUE(QFileInfo::exists(server.socket()));
  const std::string saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
  setenv("PULSE_SERVER", ("unix:" + server.socket()).toStdString().c_str(), 1);
  PulseMicrophone microphone;
  Listening listening;
  const std::optional<std::string> refused = listen(microphone, listening);
  setenv("PULSE_SERVER", saved.c_str(), 1);
  ASSERT_EQ(refused, std::nullopt);
  runEventsUntil([&] { return listening.samples > 0; }, 2000);
  server.end();
  runEventsUntil([&] { return !listening.failures.empty(); }, 3000);
  const std::size_t heard = listening.samples;
  runEventsUntil([] { return false; }, 300);
  ASSERT_EQ(listening.failures.size(), 1U);
  EXPECT_EQ(listening.samples, heard);
  microphone.stop();
}

TEST(PulseMicrophone, WithoutAServerListeningIsRefused) {
  const std::string saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
  setenv("PULSE_SERVER", "unix:/nonexistent/hifz/native", 1);
  PulseMicrophone microphone;
  Listening listening;
  EXPECT_EQ(listen(microphone, listening), std::optional<std::string>("no sound server"));
  setenv("PULSE_SERVER", saved.c_str(), 1);
  runEventsUntil([] { return false; }, 200);
  EXPECT_TRUE(listening.failures.empty());
}

}  // namespace
}  // namespace hifz
