#include "movie/web_movie_slot.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "movie/page_bridge.h"
#include "page_fixture.h"
#include "sound_recorder.h"
#include "test_movies.h"

namespace hifz::testing {
namespace {

constexpr int kFrameMs = static_cast<int>(1000 / kMovieFrameRate);
constexpr int kLastFrame = 11;

SlotSettings playsOnce() {
  SlotSettings settings;
  settings.playsOnce = true;
  return settings;
}

SlotSettings doesNotStart() {
  SlotSettings settings;
  settings.startsByItself = false;
  return settings;
}

class WebMovieSlotTest : public ::testing::Test {
 protected:
  // Whether the page has the slot's player draw its still picture less often.
  static std::string isHeldStill(const std::string& slot) {
    return "document.querySelector('" + elementSelector(slot) + "').hasAttribute('data-still')";
  }

  // Whether the slot's element holds a player.
  static bool showsAMovie(const std::string& slot) {
    return pageHas(elementSelector(slot) + " ruffle-player");
  }

  MovieFolder folder_;
  const std::string second_ = folder_.add("second.swf", timelineMovie(kLastFrame + 1));
};

struct Sent {
  std::string command;
  std::string args;
  friend bool operator==(const Sent&, const Sent&) = default;
};

TEST_F(WebMovieSlotTest, AClickOnAMovieButtonRaisesItsFSCommandAsSent) {
  PageSlot slot("buttons", SlotSettings{});
  std::vector<Sent> sent;
  slot->onFSCommand = [&sent](const std::string& command, const std::string& args) {
    sent.push_back({command, args});
  };
  QWidget* input = sharedPage().focusProxy();
  const QPoint middle(kMovieWidth / 2, kMovieHeight / 2);
  for (const Sent& expected :
       {Sent{"click", "3"}, Sent{"Click", "1-1"}, Sent{"show", "سورة الناس"}, Sent{"", ""}}) {
    SCOPED_TRACE(expected.command + " " + expected.args);
    sent.clear();
    QSignalSpy reports(&sharedPage().bridge(), &PageBridge::frameReached);
    slot->setMovie(folder_.add("button.swf", buttonMovie(expected.command, expected.args)));
    ASSERT_TRUE(waitUntil([&] { return !reports.isEmpty(); }));
    QTest::mouseMove(input, middle);
    QTest::mouseClick(input, Qt::LeftButton, {}, middle);
    ASSERT_TRUE(waitUntil([&] { return !sent.empty(); }));
    runFor(100);
    EXPECT_EQ(sent, std::vector<Sent>{expected});
  }
}

TEST_F(WebMovieSlotTest, AStillMovieRestsAndWakesForThePointerOverIt) {
  PageSlot slot("still", SlotSettings{});
  std::vector<Sent> sent;
  slot->onFSCommand = [&sent](const std::string& command, const std::string& args) {
    sent.push_back({command, args});
  };
  const std::string resting =
      "document.querySelector('" + elementSelector("still") + " ruffle-player').ruffle().suspended";
  QWidget* input = sharedPage().focusProxy();
  const QPoint outside(700, 500);
  QTest::mouseMove(input, outside);
  slot->setMovie(folder_.add("button.swf", buttonMovie("click", "5")));
  ASSERT_TRUE(waitUntil([&] { return pageSays(resting); }));

  const QPoint middle(kMovieWidth / 2, kMovieHeight / 2);
  QTest::mouseMove(input, middle);
  ASSERT_TRUE(waitUntil([&] { return !pageSays(resting); }));
  // A woken player takes a tick or two to find the button under the pointer;
  // a person's click comes well after the pointer arrived.
  runFor(300);
  QTest::mouseClick(input, Qt::LeftButton, {}, middle);
  ASSERT_TRUE(waitUntil([&] { return !sent.empty(); }));
  EXPECT_EQ(sent, std::vector<Sent>{(Sent{"click", "5"})});

  QTest::mouseMove(input, outside);
  EXPECT_TRUE(waitUntil([&] { return pageSays(resting); }));

  // The pointer leaves the window from over the movie.
  QTest::mouseMove(input, middle);
  ASSERT_TRUE(waitUntil([&] { return !pageSays(resting); }));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(input, &leave);
  EXPECT_TRUE(waitUntil([&] { return pageSays(resting); }));
}

TEST_F(WebMovieSlotTest, FrameActionsRaiseFSCommandButFrameReportsDoNot) {
  PageSlot slot("frame_actions", SlotSettings{});
  std::vector<Sent> sent;
  slot->onFSCommand = [&sent](const std::string& command, const std::string& args) {
    sent.push_back({command, args});
  };
  std::map<int, swf::ActionList> actions;
  actions[2].fscommand("show", "page 2");
  slot->setMovie(folder_.add("actions.swf", timelineMovie(4, actions)));
  ASSERT_TRUE(waitUntil([&] { return !sent.empty(); }));
  EXPECT_EQ(sent.front(), (Sent{"show", "page 2"}));
}

TEST_F(WebMovieSlotTest, APlayOnceSlotStopsOnTheLastFrameAndStaysThere) {
  PageSlot slot("flash1", playsOnce());
  slot->setMovie(second_);
  slot->play();
  EXPECT_TRUE(slot->isPlaying());
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() > 0; }));
  EXPECT_TRUE(slot->isPlaying());

  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == kLastFrame; }));
  QElapsedTimer sinceEnd;
  sinceEnd.start();
  ASSERT_TRUE(waitUntil([&] { return !slot->isPlaying(); }));
  EXPECT_LE(sinceEnd.elapsed(), 2 * kFrameMs);

  // No loop: the last frame stays.
  for (int poll = 0; poll < 10; ++poll) {
    runFor(kFrameMs);
    EXPECT_EQ(slot->frameNum(), kLastFrame);
    EXPECT_FALSE(slot->isPlaying());
  }
}

TEST_F(WebMovieSlotTest, AnotherSlotLoopsTheSameMovie) {
  PageSlot slot("verses1", SlotSettings{});
  slot->setMovie(second_);
  slot->play();
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == kLastFrame; }));
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() < kLastFrame; }, 10 * kFrameMs));
  EXPECT_TRUE(slot->isPlaying());
}

// Asked right after a menu page was given to the main display, the slot must
// not answer as if a recitation were going on.
TEST_F(WebMovieSlotTest, AMovieOnlyGivenToTheSlotIsNotPlayingUntilToldTo) {
  PageSlot slot("flash1", playsOnce());
  slot->setMovie(second_);
  EXPECT_FALSE(slot->isPlaying());
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 2; }));
  EXPECT_FALSE(slot->isPlaying());

  slot->play();
  EXPECT_TRUE(slot->isPlaying());
  slot->setMovie(second_);
  EXPECT_FALSE(slot->isPlaying());
}

TEST_F(WebMovieSlotTest, ADoNotStartSlotHoldsTheFirstFrameUntilPlay) {
  PageSlot slot("StartFlash", doesNotStart());
  slot->setMovie(second_);
  EXPECT_FALSE(slot->isPlaying());
  ASSERT_TRUE(waitUntil([&] { return showsAMovie("StartFlash"); }));
  runFor(6 * kFrameMs);
  EXPECT_FALSE(slot->isPlaying());
  EXPECT_EQ(slot->frameNum(), 0);

  slot->play();
  EXPECT_TRUE(slot->isPlaying());
  EXPECT_TRUE(waitUntil([&] { return slot->frameNum() > 1; }));
}

TEST_F(WebMovieSlotTest, StopHaltsTheTimelineWhereItIsAndPlayGoesOn) {
  PageSlot slot("TopMenu", SlotSettings{});
  slot->setMovie(second_);
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 3; }));
  slot->stop();
  EXPECT_FALSE(slot->isPlaying());
  runFor(2 * kFrameMs);  // a report already under way may still come in
  const int halted = slot->frameNum();
  runFor(6 * kFrameMs);
  EXPECT_EQ(slot->frameNum(), halted);
  EXPECT_FALSE(slot->isPlaying());

  slot->play();
  EXPECT_TRUE(slot->isPlaying());
  EXPECT_TRUE(waitUntil([&] { return slot->frameNum() != halted; }));
}

TEST_F(WebMovieSlotTest, StopAndPlayHaltAndResumeTheSound) {
  if (!canRecordSound()) GTEST_SKIP() << "no null sink to listen to (see scripts/headless)";
  PageSlot slot("ding", SlotSettings{});
  slot->setMovie(folder_.add("tone.swf", timelineMovie(24, {}, tone(2))));
  // The page's first sound waits for the audio device to open.
  ASSERT_TRUE(waitUntil([] { return loudness(recordSound(200)) > 3000; }));
  EXPECT_NEAR(toneFrequency(recordSound(500)), 440, 40);

  slot->stop();
  runFor(100);
  EXPECT_LT(loudness(recordSound(500)), 100);

  slot->play();
  runFor(100);
  EXPECT_GT(loudness(recordSound(500)), 3000);
}

TEST_F(WebMovieSlotTest, AStopInTheMovieEndsPlayingWithinTwoFrames) {
  PageSlot slot("verses2", SlotSettings{});
  std::map<int, swf::ActionList> actions;
  actions[5].stop();
  slot->setMovie(folder_.add("stops.swf", timelineMovie(kLastFrame + 1, actions)));
  slot->play();
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() == 5; }));
  EXPECT_TRUE(slot->isPlaying());
  QElapsedTimer sinceStop;
  sinceStop.start();
  ASSERT_TRUE(waitUntil([&] { return !slot->isPlaying(); }));
  // Two frames of silence, the page's allowance for a late report (100 ms),
  // and some leeway for a busy machine.
  EXPECT_LE(sinceStop.elapsed(), 2 * kFrameMs + 250);
  runFor(4 * kFrameMs);
  EXPECT_EQ(slot->frameNum(), 5);
  EXPECT_FALSE(slot->isPlaying());
}

// A verse page stands still while its verse is heard: the page has its
// player draw it less often, and its timeline still ends on time.
TEST_F(WebMovieSlotTest, AStillPictureIsHeldAndItsTimelineKeepsItsTime) {
  PageSlot slot("flash1", playsOnce());
  constexpr int kFrames = 48;
  slot->setMovie(folder_.add("still.swf", stillThenMovingMovie(kFrames, 0)));
  slot->play();
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() > 0; }));
  QElapsedTimer playing;
  playing.start();
  EXPECT_TRUE(waitUntil([&] { return pageSays(isHeldStill("flash1")); }, 2000));
  ASSERT_TRUE(waitUntil([&] { return !slot->isPlaying(); }, 3 * kFrames * kFrameMs));
  EXPECT_EQ(slot->frameNum(), kFrames - 1);
  EXPECT_NEAR(static_cast<double>(playing.elapsed()), (kFrames - 2) * kFrameMs, 300);
}

// Nothing that moves is held: a picture that starts moving gets the display's
// rate back within a look or two, and keeps it while it moves.
TEST_F(WebMovieSlotTest, AMovieThatMovesIsNeverHeldStill) {
  PageSlot slot("verses4", SlotSettings{});
  constexpr int kStill = 24;
  constexpr int kMoving = 36;
  slot->setMovie(folder_.add("moving.swf", stillThenMovingMovie(kStill, kMoving)));
  ASSERT_TRUE(waitUntil([&] { return pageSays(isHeldStill("verses4")); }, 3000));
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= kStill; }, 3000));
  EXPECT_TRUE(waitUntil([&] { return !pageSays(isHeldStill("verses4")); }, 1000));
  const int from = slot->frameNum();
  while (slot->frameNum() >= from && slot->frameNum() < kStill + kMoving - 8) {
    ASSERT_FALSE(pageSays(isHeldStill("verses4"))) << "at frame " << slot->frameNum();
    runFor(50);
  }
}

// The picture tests run a second time with WebGL (see tests/app/CMakeLists.txt);
// that run must really draw with it.
TEST_F(WebMovieSlotTest, ARunAskedForWebGlDrawsWithIt) {
  if (std::getenv("HIFZ_EXPECT_WEBGL") == nullptr) GTEST_SKIP() << "a run without WebGL";
  PageSlot slot("verses4", SlotSettings{});
  slot->setMovie(folder_.add("drawn.swf", timelineMovie(kLastFrame + 1)));
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() > 0; }));
  const std::string canvas = "document.querySelector('" + elementSelector("verses4") +
                             " ruffle-player')" + ".shadowRoot.querySelector('canvas')";
  EXPECT_TRUE(
      pageSays("!!(" + canvas + ".getContext('webgl2') || " + canvas + ".getContext('webgl'))"));
}

// Ruffle holds a new movie back 200 ms when its player's sound context is
// not running yet. Each load closes the old player's context, suspended by
// then, and asks for a new one at once; the page must hand out a running one,
// never the one just closed.
TEST_F(WebMovieSlotTest, EachNewPlayerGetsAFreshSoundContextAlreadyRunning) {
  const std::string load =
      "(() => { const old = window.current; old?.close();"
      " window.current = new AudioContext({ sampleRate: 44100 });"
      " const running = window.current.state === 'running' && window.current !== old;"
      " window.current.suspend();"
      " return running; })()";
  pageSays(load);
  runFor(300);
  for (int round = 0; round < 5; ++round) {
    EXPECT_TRUE(pageSays(load)) << "round " << round;
    runFor(100);
  }
  EXPECT_TRUE(
      pageSays("(() => { window.current.close(); delete window.current; return true; })()"));
}

// A player's sound is mixed in a loop of sound buffers on its context. A
// context its player closed must end that loop: kept alive and handed on, it
// went on making buffers for every verse ever loaded while nothing played.
TEST_F(WebMovieSlotTest, ARestingPageMakesNoSoundBuffersForPlayersItLoadedBefore) {
  PageSlot slot("flash1", playsOnce());
  const std::string verse = folder_.add("verse.swf", timelineMovie(6, {}, tone(0.5)));
  const std::string other = folder_.add("other.swf", timelineMovie(6, {}, tone(0.5)));
  for (int load = 0; load < 8; ++load) {
    slot->setMovie(load % 2 == 0 ? verse : other);
    slot->play();
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 3; })) << "load " << load;
  }
  ASSERT_TRUE(waitUntil([&] { return !slot->isPlaying(); }));
  runFor(500);
  pageSays(
      "(() => { const made = BaseAudioContext.prototype.createBufferSource;"
      " window.buffersMade = 0;"
      " BaseAudioContext.prototype.createBufferSource = function (...args) {"
      "   ++window.buffersMade; return made.apply(this, args); };"
      " window.restoreBuffers = () => { BaseAudioContext.prototype.createBufferSource = made; };"
      " return true; })()");
  runFor(2000);
  EXPECT_TRUE(pageSays("window.buffersMade === 0"));
  pageSays("(() => { window.restoreBuffers(); return true; })()");
}

// A busy machine, or a sound that comes late, holds the player back for a
// while: no frame reports come, yet the movie has not stopped.
TEST_F(WebMovieSlotTest, APlayerHeldBackIsNotTakenForAStop) {
  PageSlot slot("verses3", playsOnce());
  slot->setMovie(folder_.add("long.swf", timelineMovie(36)));
  slot->play();
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 2; }));
  const auto holdPlayer = [](bool held) {
    sharedPage().page()->runJavaScript(
        QStringLiteral("document.querySelector('%1 ruffle-player').ruffle().%2()")
            .arg(QString::fromStdString(elementSelector("verses3")),
                 held ? QStringLiteral("suspend") : QStringLiteral("resume")));
  };
  holdPlayer(true);
  runFor(100);
  const int heldAt = slot->frameNum();
  for (int waited = 0; waited < 800; waited += 50) {
    runFor(50);
    ASSERT_TRUE(slot->isPlaying()) << "after " << waited << " ms held";
  }
  EXPECT_EQ(slot->frameNum(), heldAt);
  holdPlayer(false);
  EXPECT_TRUE(waitUntil([&] { return slot->frameNum() == 35; }));
  EXPECT_TRUE(waitUntil([&] { return !slot->isPlaying(); }));
}

// A slot keeps its player from movie to movie; a second movie that comes
// while the first is still loading must still be the one that plays.
TEST_F(WebMovieSlotTest, AMovieGivenWhileAnotherLoadsIsTheOneThatPlays) {
  PageSlot slot("verses2", SlotSettings{});
  std::vector<std::string> names;
  slot->onFSCommand = [&names](const std::string& command, const std::string& args) {
    if (command == "which") names.push_back(args);
  };
  const auto named = [this](const std::string& name) {
    std::map<int, swf::ActionList> actions;
    actions[1].fscommand("which", name);
    return folder_.add(name + ".swf", timelineMovie(6, actions));
  };
  const std::string first = named("first");
  const std::string second = named("second");
  for (int gapMs : {0, 5, 20, 60}) {
    SCOPED_TRACE("second movie " + std::to_string(gapMs) + " ms after the first");
    names.clear();
    slot->setMovie(first);
    runFor(gapMs);
    slot->setMovie(second);
    ASSERT_TRUE(waitUntil([&] { return names.size() >= 2; }));
    EXPECT_EQ(std::count(names.begin(), names.end(), "first"), 0);
  }
}

TEST_F(WebMovieSlotTest, MissingAndNonMovieFilesShowNothing) {
  std::mt19937 random(7);
  std::vector<std::uint8_t> noise(4096);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  std::vector<std::uint8_t> truncated = timelineMovie(kLastFrame + 1);
  truncated.resize(truncated.size() / 2);
  const std::pair<const char*, std::string> cases[] = {
      {"missing", folder_.pathOf("missing.swf")},
      {"random bytes", folder_.add("noise.swf", noise)},
      {"cut short", folder_.add("short.swf", truncated)},
      {"empty", folder_.add("empty.swf", {})},
  };
  PageSlot slot("ExitMe", SlotSettings{});
  for (const auto& [what, path] : cases) {
    SCOPED_TRACE(what);
    slot->setMovie(second_);
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() > 0; }));
    slot->setMovie(path);
    EXPECT_FALSE(slot->isPlaying());
    EXPECT_EQ(slot->frameNum(), 0);
    EXPECT_TRUE(waitUntil([] { return !showsAMovie("ExitMe"); }));
    runFor(3 * kFrameMs);
    EXPECT_FALSE(slot->isPlaying());
    EXPECT_EQ(slot->frameNum(), 0);
    slot->play();
    EXPECT_FALSE(slot->isPlaying());
  }
}

TEST_F(WebMovieSlotTest, BlankThenMovieStartsTheMovieAfresh) {
  const std::string blank = folder_.add("2 blank.gif", blankMovie());
  for (const SlotSettings& settings : {SlotSettings{}, playsOnce()}) {
    PageSlot slot("flash1", settings);
    slot->setMovie(second_);
    ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 5; }));
    std::vector<int> frames;
    slot->setMovie(blank);
    slot->setMovie(second_);
    slot->play();
    EXPECT_EQ(slot->frameNum(), 0);
    EXPECT_TRUE(slot->isPlaying());
    ASSERT_TRUE(waitUntil([&] {
      if (frames.empty() || frames.back() != slot->frameNum()) frames.push_back(slot->frameNum());
      return slot->frameNum() >= 3;
    }));
    // From the first frame on, in order; a busy machine may let a poll miss one.
    EXPECT_EQ(frames.front(), 0);
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end()));
  }
}

TEST_F(WebMovieSlotTest, MoviesStartAndPlayWhileTheWindowIsHidden) {
  PageSlot playing("verses4", SlotSettings{});
  PageSlot loaded("verses1", SlotSettings{});
  playing->setMovie(second_);
  ASSERT_TRUE(waitUntil([&] { return playing->frameNum() >= 1; }));
  struct ShownAgain {
    ~ShownAgain() { sharedPage().show(); }
  } shownAgain;
  sharedPage().hide();
  loaded->setMovie(second_);
  const int hiddenAt = playing->frameNum();
  EXPECT_TRUE(waitUntil([&] { return loaded->frameNum() >= 3; }));
  EXPECT_NE(playing->frameNum(), hiddenAt);
}

// Whether the page shows the colour 0xRRGGBB at `at`, give or take a little.
bool showsColor(QPoint at, std::uint32_t color) {
  const QImage pixel = sharedPage().grab(QRect(at, QSize(1, 1))).toImage();
  if (pixel.isNull()) return false;
  const QRgb seen = pixel.pixel(0, 0);
  return std::abs(qRed(seen) - int(color >> 16)) < 8 &&
         std::abs(qGreen(seen) - int((color >> 8) & 0xff)) < 8 &&
         std::abs(qBlue(seen) - int(color & 0xff)) < 8;
}

TEST_F(WebMovieSlotTest, ChapterListSlotsShowMoviesAtTheirOwnSize) {
  // A slot twice the movie's size on a navy window: shown all, the movie
  // fills it; at its own size, it sits in the middle of its white stage.
  const QRect area(0, 0, 2 * kMovieWidth, 2 * kMovieHeight);
  const QPoint corner(8, 8);
  const std::string still = folder_.add("still.swf", timelineMovie(1));
  sharedPage().bridge().setBackground("", "#000080");
  for (const ScaleMode scale : {ScaleMode::ShowAll, ScaleMode::NoScale}) {
    SCOPED_TRACE(scale == ScaleMode::ShowAll ? "show all" : "no scale");
    SlotSettings settings;
    settings.scale = scale;
    PageSlot slot("verses3", settings, area);
    slot->setMovie(still);
    ASSERT_TRUE(waitUntil([&] { return showsColor(area.center(), frameColor(0)); }));
    // The corner may be drawn a frame or more after the middle on a busy machine.
    const std::uint32_t cornerColor = scale == ScaleMode::ShowAll ? frameColor(0) : 0xffffff;
    EXPECT_TRUE(waitUntil([&] { return showsColor(corner, cornerColor); }));
  }
  sharedPage().bridge().setBackground("", "");
}

TEST_F(WebMovieSlotTest, NineSlotsStartTogether) {
  std::vector<std::unique_ptr<PageSlot>> nine;
  for (int i = 0; i < 9; ++i) {
    nine.push_back(std::make_unique<PageSlot>("nine" + std::to_string(i), SlotSettings{},
                                              QRect(80 * (i % 3), 60 * (i / 3), 80, 60)));
  }
  for (auto& slot : nine) (*slot)->setMovie(second_);
  EXPECT_TRUE(waitUntil(
      [&] {
        return std::all_of(nine.begin(), nine.end(),
                           [](auto& slot) { return (*slot)->frameNum() >= 2; });
      },
      10000));
}

}  // namespace
}  // namespace hifz::testing
