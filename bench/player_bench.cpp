// Figures of the movie player: how fast nine slots start, what they cost in
// memory, how soon a movie shows its first frame and how soon a click on a
// movie button reaches the program.

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "movie/page_bridge.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/ruffle_package.h"
#include "movie/web_movie_slot.h"
#include "page_fixture.h"
#include "platform/disk_file_system.h"
#include "process_memory.h"
#include "test_movies.h"

namespace hifz::bench {
namespace {

using testing::runFor;
using testing::waitUntil;

constexpr int kSlots = 9;
constexpr int kSlotWidth = 266;
constexpr int kSlotHeight = 200;
constexpr int kRounds = 10;
constexpr int kClicks = 20;
constexpr int kReloads = 100;

QRect slotArea(int index) {
  return QRect(kSlotWidth * (index % 3), kSlotHeight * (index / 3), kSlotWidth, kSlotHeight);
}

struct Spread {
  double median = 0;
  double max = 0;
};

Spread spread(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.back()};
}

// Whether the view shows the blank movie's white in the middle of `area`.
bool showsWhite(QWidget& view, const QRect& area) {
  const QImage pixel = view.grab(QRect(area.center(), QSize(1, 1))).toImage();
  return !pixel.isNull() && (pixel.pixel(0, 0) & 0xffffff) == 0xffffff;
}

int run() {
  const auto ruffle = findRufflePackage();
  if (!ruffle) {
    std::fprintf(stderr, "no Ruffle package found\n");
    return 1;
  }
  testing::MovieFolder folder;
  // Two seconds of frames with a tone streaming along, looping.
  const std::string looping =
      folder.add("looping.swf", testing::timelineMovie(24, {}, testing::tone(2)));
  const std::string blank = folder.add("blank.swf", testing::blankMovie());
  const std::string button = folder.add("button.swf", testing::buttonMovie("click", "7"));
  DiskFileSystem files;

  QElapsedTimer sinceStart;
  sinceStart.start();
  PageView view(*ruffle);
  view.resize(800, 600);
  view.show();
  PageBridge& bridge = view.bridge();

  // Nine slots are given their movies at once, as the program's start does.
  std::vector<std::unique_ptr<WebMovieSlot>> nine;
  std::vector<Control*> controls;
  for (int i = 0; i < kSlots; ++i) {
    auto slot =
        std::make_unique<WebMovieSlot>("slot" + std::to_string(i), SlotSettings{}, view, files);
    const QRect area = slotArea(i);
    slot->setLeft(static_cast<float>(area.x()) * PageMirror::kTwipsPerPixel);
    slot->setTop(static_cast<float>(area.y()) * PageMirror::kTwipsPerPixel);
    slot->setWidth(static_cast<float>(area.width()) * PageMirror::kTwipsPerPixel);
    slot->setHeight(static_cast<float>(area.height()) * PageMirror::kTwipsPerPixel);
    controls.push_back(slot.get());
    nine.push_back(std::move(slot));
  }
  PageMirror mirror(bridge, controls);
  qint64 ready = -1;
  QObject::connect(&bridge, &PageBridge::ready, [&] { ready = sinceStart.elapsed(); });
  std::map<QString, qint64> loads;
  QObject::connect(&bridge, &PageBridge::movieLoaded,
                   [&](const QString& id, int) { loads.try_emplace(id, sinceStart.elapsed()); });
  std::map<QString, qint64> firstFrames;
  QObject::connect(&bridge, &PageBridge::frameReached, [&](const QString& id, int, int) {
    firstFrames.try_emplace(id, sinceStart.elapsed());
  });
  for (auto& slot : nine) slot->setMovie(looping);
  if (!waitUntil([&] { return firstFrames.size() == kSlots; }, 60000)) {
    std::fprintf(stderr, "the nine slots did not all start\n");
    return 1;
  }
  qint64 allPlaying = 0;
  for (const auto& [id, at] : firstFrames) allPlaying = std::max(allPlaying, at);
  qint64 allLoaded = 0;
  for (const auto& [id, at] : loads) allLoaded = std::max(allLoaded, at);
  std::printf("page ready:                     %5lld ms after the page started\n",
              static_cast<long long>(ready));
  std::printf("nine slots loaded:              %5lld ms after the page started\n",
              static_cast<long long>(allLoaded));
  std::printf("nine slots playing:             %5lld ms after the page started (goal 1500)\n",
              static_cast<long long>(allPlaying));

  runFor(2000);
  const Memory memory = treeMemory(getpid());
  std::printf("memory with nine slots playing: %7.1f MB PSS in %d processes (goal 550)\n",
              memory.pssMegabytes, memory.processes);

  // From Movie (set) to the first frame, reported and drawn, in a slot while
  // the other eight play on.
  WebMovieSlot& first = *nine.front();
  std::vector<double> toReport;
  std::vector<double> toDrawn;
  for (int round = 0; round < kRounds; ++round) {
    first.setMovie(blank);
    if (!waitUntil([&] { return showsWhite(view, slotArea(0)); })) {
      std::fprintf(stderr, "the blank movie did not show\n");
      return 1;
    }
    QElapsedTimer sinceSet;
    qint64 reportedAt = -1;
    const auto connection =
        QObject::connect(&bridge, &PageBridge::frameReached, [&](const QString& id, int, int) {
          if (id == "slot0" && reportedAt < 0) reportedAt = sinceSet.elapsed();
        });
    sinceSet.start();
    first.setMovie(looping);
    waitUntil([&] { return !showsWhite(view, slotArea(0)); });
    toDrawn.push_back(static_cast<double>(sinceSet.elapsed()));
    waitUntil([&] { return reportedAt >= 0; });
    toReport.push_back(static_cast<double>(reportedAt));
    QObject::disconnect(connection);
  }
  const Spread report = spread(toReport);
  const Spread drawn = spread(toDrawn);
  std::printf("movie set to first frame run:   median %3.0f ms, max %3.0f ms (%d loads)\n",
              report.median, report.max, kRounds);
  std::printf("movie set to first frame drawn: median %3.0f ms, max %3.0f ms (%d loads)\n",
              drawn.median, drawn.max, kRounds);

  // From a mouse click on a movie button to the slot's FSCommand.
  WebMovieSlot& clicked = *nine[1];
  bool sent = false;
  clicked.onFSCommand = [&](const std::string&, const std::string&) { sent = true; };
  clicked.setMovie(button);
  if (!waitUntil([&] { return !showsWhite(view, slotArea(1)); })) {
    std::fprintf(stderr, "the button movie did not show\n");
    return 1;
  }
  runFor(200);
  std::vector<double> latencies;
  QWidget* input = view.focusProxy();
  const QPoint middle = slotArea(1).center();
  QTest::mouseMove(input, middle);
  for (int click = 0; click < kClicks; ++click) {
    sent = false;
    QElapsedTimer sinceClick;
    sinceClick.start();
    QTest::mouseClick(input, Qt::LeftButton, {}, middle);
    if (!waitUntil([&] { return sent; })) {
      std::fprintf(stderr, "a click did not reach the program\n");
      return 1;
    }
    latencies.push_back(static_cast<double>(sinceClick.nsecsElapsed()) / 1e6);
    runFor(50);
  }
  const Spread click = spread(latencies);
  std::printf("click to FSCommand:             median %5.1f ms, max %5.1f ms (%d clicks)\n",
              click.median, click.max, kClicks);

  // Whether memory grows as slots load movie after movie (the sequencer
  // loads one per verse).
  for (int load = 0; load < kReloads; ++load) {
    nine[2 + load % 7]->setMovie(blank);
    nine[2 + load % 7]->setMovie(looping);
    runFor(150);
  }
  runFor(2000);
  const Memory later = treeMemory(getpid());
  std::printf("memory after %d more loads:    %7.1f MB PSS in %d processes\n", kReloads,
              later.pssMegabytes, later.processes);
  return 0;
}

}  // namespace
}  // namespace hifz::bench

int main(int argc, char** argv) {
  hifz::preparePageView();
  QApplication application(argc, argv);
  return hifz::bench::run();
}
