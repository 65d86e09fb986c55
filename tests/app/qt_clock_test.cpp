#include "platform/qt_clock.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <vector>

#include "controls/timer.h"

namespace hifz {
namespace {

void runEventsFor(int ms) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(QtClock, RunsCallbacksInOrderAndDropsCancelledOnes) {
  QtClock clock;
  std::vector<int> order;
  clock.callAfter(30, [&] { order.push_back(30); });
  const auto cancelled = clock.callAfter(10, [&] { order.push_back(10); });
  clock.callAfter(5, [&] { order.push_back(5); });
  clock.cancel(cancelled);
  clock.cancel(12345);
  runEventsFor(120);
  EXPECT_EQ(order, (std::vector<int>{5, 30}));
}

TEST(QtClock, DrivesARepeatingTimerThatStopsItself) {
  QtClock clock;
  Timer timer("Timer1", clock);
  int ticks = 0;
  timer.onTick = [&] {
    if (++ticks == 3) timer.setInterval(0);
  };
  timer.setInterval(10);
  runEventsFor(150);
  EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace hifz
