#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>

#include "controls/simple_controls.h"
#include "controls/window_control.h"
#include "movie/page_bridge.h"
#include "movie/page_mirror.h"
#include "page_fixture.h"
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

TEST(PageTest, ElementsFollowTheirControlsAndPassOnTheirMouseInput) {
  PageView& page = sharedPage();
  WindowControl window("Form1");
  window.setWidth(800 * 15);
  window.setHeight(600 * 15);
  PicturePanel panel("Panel");
  panel.setContainer(&window);
  panel.setLeft(100 * 15);
  panel.setTop(50 * 15);
  panel.setWidth(200 * 15);
  panel.setHeight(200 * 15);
  Image spot("Spot");
  spot.setContainer(&panel);
  spot.setIndex(2);
  spot.setLeft(20 * 15);
  spot.setTop(30 * 15);
  spot.setWidth(60 * 15);
  spot.setHeight(40 * 15);
  std::vector<std::string> seen;
  spot.onClick = [&] { seen.push_back("click"); };
  spot.onDoubleClick = [&] { seen.push_back("double"); };
  spot.onMouseDown = [&](const MouseEvent& e) {
    seen.push_back("down " + std::to_string(e.button) + " " + std::to_string(e.shift) + " " +
                   std::to_string(int(e.x)) + "," + std::to_string(int(e.y)));
  };
  PageMirror mirror(page.bridge(), {&window, &panel, &spot});
  runFor(100);

  QWidget* input = page.focusProxy();
  QTest::mousePress(input, Qt::RightButton, Qt::ShiftModifier, QPoint(130, 90));
  QTest::mouseRelease(input, Qt::RightButton, Qt::ShiftModifier, QPoint(130, 90));
  ASSERT_TRUE(waitUntil([&] { return !seen.empty(); }));
  // 10 and 10 pixels into the spot.
  EXPECT_EQ(seen, std::vector<std::string>{"down 2 1 150,150"});

  seen.clear();
  panel.setLeft(300 * 15);  // the spot moves with its panel
  runFor(100);
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(130, 90));
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(330, 90));
  ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 0 150,150", "click"}));

  seen.clear();
  panel.setVisible(false);
  runFor(100);
  QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(330, 90));
  runFor(200);
  EXPECT_TRUE(seen.empty());
}

}  // namespace
}  // namespace hifz::testing
