#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <memory>

#include "controls/simple_controls.h"
#include "controls/window_control.h"
#include "movie/page_bridge.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/web_movie_slot.h"
#include "page_fixture.h"
#include "platform/disk_file_system.h"
#include "swf/actions.h"
#include "test_movies.h"

namespace hifz::testing {
namespace {

TEST(PageTest, AMovieReachesNoNetworkAndNoOtherPage) {
  PageView& page = sharedPage();
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  const std::string address = "http://127.0.0.1:" + std::to_string(server.serverPort()) + "/";
  std::map<int, swf::ActionList> actions;
  actions[0].getUrl(address + "page", "").getUrl(address + "window", "_blank");
  actions[1].getUrl(address + "data", "_level0");
  MovieFolder folder;
  PageSlot slot("reaching_out", SlotSettings{});
  const QUrl home = page.url();
  slot->setMovie(folder.add("reach.swf", timelineMovie(3, actions)));
  ASSERT_TRUE(waitUntil([&] { return slot->frameNum() >= 1; }));
  runFor(300);
  EXPECT_FALSE(server.hasPendingConnections());
  EXPECT_EQ(page.url(), home);
}

TEST(PageTest, ThePageIsLostHoweverItsProcessEnded) {
  PageView& page = sharedPage();
  QSignalSpy lost(&page, &PageView::renderProcessLost);
  const QWebEnginePage::RenderProcessTerminationStatus statuses[] = {
      QWebEnginePage::NormalTerminationStatus, QWebEnginePage::AbnormalTerminationStatus,
      QWebEnginePage::CrashedTerminationStatus, QWebEnginePage::KilledTerminationStatus};
  for (const auto status : statuses) {
    lost.clear();
    emit page.page()->renderProcessTerminated(status, 0);
    ASSERT_EQ(lost.count(), 1) << status;
    EXPECT_FALSE(page.bridge().isReady()) << status;
    page.reloadPage();
    ASSERT_TRUE(waitUntil([&] { return page.bridge().isReady(); }, 30000)) << status;
  }
}

void place(Control& control, Control& container, QRect pixels) {
  constexpr float kTwips = PageMirror::kTwipsPerPixel;
  control.setContainer(&container);
  control.setLeft(static_cast<float>(pixels.x()) * kTwips);
  control.setTop(static_cast<float>(pixels.y()) * kTwips);
  control.setWidth(static_cast<float>(pixels.width()) * kTwips);
  control.setHeight(static_cast<float>(pixels.height()) * kTwips);
}

// Notes the mouse events a control gets, as "name event [button shift x,y]".
void record(Control& control, std::vector<std::string>& seen) {
  const std::string name = control.name();
  control.onClick = [&seen, name] { seen.push_back(name + " click"); };
  control.onDoubleClick = [&seen, name] { seen.push_back(name + " double"); };
  control.onMouseDown = [&seen, name](const MouseEvent& e) {
    seen.push_back(name + " down " + std::to_string(e.button) + " " + std::to_string(e.shift) +
                   " " + std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
  };
}

// What the window system delivers for a double click: the second press comes
// as a double click.
void doubleClick(QWidget* widget, QPoint at) {
  const QPointF local(at);
  const QPointF global(widget->mapToGlobal(at));
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, local, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
}

TEST(PageTest, ElementsFollowTheirControlsAndPassOnTheirMouseInput) {
  PageView& page = sharedPage();
  WindowControl window("Form1");
  window.setWidth(800 * PageMirror::kTwipsPerPixel);
  window.setHeight(600 * PageMirror::kTwipsPerPixel);
  PicturePanel panel("Panel");
  place(panel, window, QRect(100, 50, 200, 200));
  Image spot("Spot");
  spot.setIndex(2);
  place(spot, panel, QRect(20, 30, 60, 40));
  Image cover("Cover");  // over the right half of the spot
  place(cover, panel, QRect(50, 30, 60, 40));
  std::vector<std::string> seen;
  record(spot, seen);
  record(cover, seen);
  auto mirror = std::make_unique<PageMirror>(page.bridge(),
                                             std::vector<Control*>{&window, &panel, &spot, &cover});
  runFor(100);
  EXPECT_TRUE(pageHas(elementSelector("Panel") + " > " + elementSelector("Spot(2)")));
  QWidget* input = page.focusProxy();

  // 10 and 10 pixels into the spot, with the right button and shift.
  QTest::mousePress(input, Qt::RightButton, Qt::ShiftModifier, QPoint(130, 90));
  QTest::mouseRelease(input, Qt::RightButton, Qt::ShiftModifier, QPoint(130, 90));
  ASSERT_TRUE(waitUntil([&] { return !seen.empty(); }));
  EXPECT_EQ(seen, std::vector<std::string>{"Spot down 2 1 150,150"});

  // Where they overlap, the later one lies in front.
  seen.clear();
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(160, 90));
  ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
  EXPECT_EQ(seen, (std::vector<std::string>{"Cover down 1 0 150,150", "Cover click"}));

  // The spot moves with its panel.
  seen.clear();
  panel.setLeft(300 * PageMirror::kTwipsPerPixel);
  runFor(100);
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(130, 90));
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(330, 90));
  ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
  EXPECT_EQ(seen, (std::vector<std::string>{"Spot down 1 0 150,150", "Spot click"}));

  // A double click: the second press brings the double click, no second click.
  seen.clear();
  doubleClick(input, QPoint(330, 90));
  ASSERT_TRUE(waitUntil([&] { return seen.size() >= 4; }));
  runFor(100);
  EXPECT_EQ(seen, (std::vector<std::string>{"Spot down 1 0 150,150", "Spot click",
                                            "Spot down 1 0 150,150", "Spot double"}));

  // A hidden panel hides what it holds.
  seen.clear();
  panel.setVisible(false);
  runFor(100);
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(330, 90));
  runFor(200);
  EXPECT_TRUE(seen.empty());

  mirror.reset();
  EXPECT_TRUE(waitUntil([] { return !pageHas(elementSelector("Panel")); }));
}

// What the page shows in an element, read from the page itself.
QString shownText(PageView& page, const QString& id) {
  QString text;
  bool answered = false;
  page.page()->runJavaScript(
      QStringLiteral("(e => e.querySelector('input')?.value ?? e.textContent)("
                     "document.querySelector('[data-id=\"%1\"]'))")
          .arg(id),
      [&](const QVariant& result) {
        text = result.toString();
        answered = true;
      });
  waitUntil([&] { return answered; });
  return text;
}

TEST(PageTest, CaptionsAndTextsShowAndTheBackgroundTakesTheWindowsMouseInput) {
  PageView& page = sharedPage();
  WindowControl window("Form1");
  window.setWidth(800 * 15);
  window.setHeight(600 * 15);
  Label label("Label4");
  label.setContainer(&window);
  label.setWidth(50 * 15);
  label.setHeight(30 * 15);
  label.setCaption("0");
  TextBox box("Repeat");
  box.setContainer(&window);
  box.setLeft(200 * 15);
  box.setWidth(40 * 15);
  box.setHeight(20 * 15);
  box.setText("1");
  box.setMaxLength(1);
  std::vector<std::string> seen;
  window.onDoubleClick = [&] { seen.push_back("double"); };
  window.onMouseDown = [&](const MouseEvent& e) {
    seen.push_back("down " + std::to_string(e.button) + " " + std::to_string(int(e.x)));
  };
  PageMirror mirror(page.bridge(), {&window, &label, &box});
  runFor(100);
  EXPECT_EQ(shownText(page, "Label4"), "0");
  EXPECT_EQ(shownText(page, "Repeat"), "1");
  label.setCaption("12");
  box.setText("3");
  runFor(100);
  EXPECT_EQ(shownText(page, "Label4"), "12");
  EXPECT_EQ(shownText(page, "Repeat"), "3");

  // A click gives the text box the keyboard, its text selected: a key replaces it.
  QWidget* input = page.focusProxy();
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(220, 10));
  runFor(100);
  QTest::keyClicks(input, "56");
  ASSERT_TRUE(waitUntil([&] { return box.text() == "5"; }));
  runFor(100);
  EXPECT_EQ(box.text(), "5");
  EXPECT_EQ(shownText(page, "Repeat"), "5");

  doubleClick(input, QPoint(400, 300));
  ASSERT_TRUE(waitUntil([&] { return !seen.empty() && seen.back() == "double"; }));
  EXPECT_EQ(seen.front(), "down 1 6000");
}

TEST(PageTest, AMovieGoesHiddenWithItsPanelAndTakesNoClicks) {
  PageView& page = sharedPage();
  WindowControl window("Form1");
  window.setWidth(800 * 15);
  window.setHeight(600 * 15);
  PicturePanel strip("Picture12");
  strip.setContainer(&window);
  strip.setWidth(400 * 15);
  strip.setHeight(300 * 15);
  DiskFileSystem files;
  WebMovieSlot slot("TopMenu", SlotSettings{}, page, files);
  slot.setContainer(&strip);
  slot.setWidth(320 * 15);
  slot.setHeight(240 * 15);
  std::vector<std::string> sent;
  slot.onFSCommand = [&](const std::string& command, const std::string& args) {
    sent.push_back(command + " " + args);
  };
  PageMirror mirror(page.bridge(), {&window, &strip, &slot});
  MovieFolder folder;
  QSignalSpy reports(&page.bridge(), &PageBridge::frameReached);
  slot.setMovie(folder.add("menu.swf", buttonMovie("click", "1-1")));
  ASSERT_TRUE(waitUntil([&] { return !reports.isEmpty(); }));

  QWidget* input = page.focusProxy();
  const QPoint middle(160, 120);
  QTest::mouseMove(input, middle);
  QTest::mouseClick(input, Qt::LeftButton, {}, middle);
  ASSERT_TRUE(waitUntil([&] { return !sent.empty(); }));
  EXPECT_EQ(sent, std::vector<std::string>{"click 1-1"});

  strip.setVisible(false);
  runFor(100);
  bool shown = true;
  bool answered = false;
  page.page()->runJavaScript(
      "getComputedStyle(document.querySelector('[data-id=\"TopMenu\"] ruffle-player'))"
      ".visibility === 'visible'",
      [&](const QVariant& result) {
        shown = result.toBool();
        answered = true;
      });
  ASSERT_TRUE(waitUntil([&] { return answered; }));
  EXPECT_FALSE(shown);
  QTest::mouseClick(input, Qt::LeftButton, {}, middle);
  runFor(300);
  EXPECT_EQ(sent.size(), 1u);
}

}  // namespace
}  // namespace hifz::testing
