#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <map>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "content/content_groups.h"
#include "content/content_writer.h"
#include "content/groups_menu.h"
#include "content/look.h"
#include "content/menu_movies.h"
#include "content/quran_text.h"
#include "movie/page_bridge.h"
#include "page_fixture.h"

namespace hifz::testing {
namespace {

struct Sent {
  std::string command;
  std::string args;
  friend bool operator==(const Sent&, const Sent&) = default;
  friend void PrintTo(const Sent& sent, std::ostream* out) {
    *out << '(' << sent.command << ", " << sent.args << ')';
  }
};

// Generated menus shown in real slots the size of their stages, clicked where
// the menu layout puts a button.
class GeneratedMenuTest : public ::testing::Test {
 protected:
  // Loads `movie` into `slot` and clicks the middle of the button that sends
  // `key`; gives what the slot raised.
  std::vector<Sent> clickKey(PageSlot& slot, const std::vector<std::uint8_t>& movie,
                             const std::vector<content::MenuButton>& buttons,
                             const std::string& key) {
    std::vector<Sent> sent;
    slot->onFSCommand = [&sent](const std::string& command, const std::string& args) {
      sent.push_back({command, args});
    };
    QSignalSpy reports(&sharedPage().bridge(), &PageBridge::frameReached);
    slot->setMovie(folder.add("menu-" + std::to_string(++movies) + ".gif", movie));
    EXPECT_TRUE(waitUntil([&] { return !reports.isEmpty(); }));
    const auto button = std::find_if(buttons.begin(), buttons.end(),
                                     [&](const content::MenuButton& b) { return b.key == key; });
    EXPECT_NE(button, buttons.end()) << key;
    if (button == buttons.end()) return sent;
    QWidget* input = sharedPage().focusProxy();
    const QPoint middle = button->area.center().toPoint();
    QTest::mouseMove(input, middle);
    QTest::mouseClick(input, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(waitUntil([&] { return !sent.empty(); }));
    runFor(100);
    return sent;
  }

  static SlotSettings mainDisplay() {
    SlotSettings settings;
    settings.playsOnce = true;
    settings.windowed = true;
    return settings;
  }

  const std::vector<content::ChapterPlan> plans =
      content::planAllChapters(content::defaultChaptersFolder());
  // Annaziat, the chapter with three menu pages.
  const content::ChapterPlan& annaziat = plans.back();
  MovieFolder folder;
  int movies = 0;
};

TEST_F(GeneratedMenuTest, ClickingAVerseButtonOfAChapterMenuSendsThatVersesNumber) {
  PageSlot slot("flash1", mainDisplay(), QRect(QPoint(0, 0), content::kMainDisplay));
  const std::pair<int, std::string> cases[] = {
      {0, "1"}, {0, "13"}, {0, "20"}, {1, "27"}, {2, "46"}};
  for (const auto& [page, verse] : cases) {
    SCOPED_TRACE(verse);
    const content::MenuPage& menuPage = annaziat.menuPages[static_cast<size_t>(page)];
    EXPECT_EQ(clickKey(slot, content::chapterMenuMovie(annaziat, menuPage),
                       content::chapterMenuButtons(menuPage), verse),
              std::vector<Sent>{(Sent{"click", verse})});
  }
}

TEST_F(GeneratedMenuTest, ClickingAPageButtonSendsItsPageKey) {
  PageSlot slot("flash1", mainDisplay(), QRect(QPoint(0, 0), content::kMainDisplay));
  const std::pair<int, std::string> cases[] = {{0, "99"}, {1, "98"}, {1, "97"}, {2, "99"}};
  for (const auto& [page, key] : cases) {
    SCOPED_TRACE(annaziat.menuPages[static_cast<size_t>(page)].fileName + " " + key);
    const content::MenuPage& menuPage = annaziat.menuPages[static_cast<size_t>(page)];
    EXPECT_EQ(clickKey(slot, content::chapterMenuMovie(annaziat, menuPage),
                       content::chapterMenuButtons(menuPage), key),
              std::vector<Sent>{(Sent{"click", key})});
  }
}

TEST_F(GeneratedMenuTest, TopMenuChapterListAndExitButtonsSendTheirKeys) {
  PageSlot top("TopMenu", SlotSettings{}, QRect(QPoint(0, 0), content::kTopMenuStrip));
  EXPECT_EQ(clickKey(top, content::topMenuMovie(), content::topMenuButtons(), "2-1"),
            std::vector<Sent>{(Sent{"click", "2-1"})});
  for (const std::string key : {"1", "0"}) {
    EXPECT_EQ(clickKey(top, content::exitMovie(), content::exitButtons(), key),
              std::vector<Sent>{(Sent{"click", key})});
  }

  SlotSettings noScale;
  noScale.scale = ScaleMode::NoScale;
  PageSlot list("verses2", noScale, QRect(QPoint(0, 0), content::kChapterListStage));
  const std::span<const content::ChapterPlan> group(plans.data() + 15, 8);
  for (const std::string key : {"1", "8"}) {
    EXPECT_EQ(clickKey(list, content::chapterListMovie("1-2", group),
                       content::chapterListButtons("1-2"), key),
              std::vector<Sent>{(Sent{"click", key})});
  }
}

TEST_F(GeneratedMenuTest, ALongChaptersPageStripAndTheTopMenuOfEveryGroupSendTheirKeys) {
  std::vector<content::ChapterText> texts;
  for (int surah = 1; surah <= 114; ++surah)
    texts.push_back(content::readChapterText(content::defaultChaptersFolder(), surah));
  const std::vector<content::ContentGroup> groups = content::quranGroups(texts);
  std::map<int, int> frames;
  for (int verse = 1; verse <= 286; ++verse) frames.emplace(verse, 25);
  const content::ChapterPlan baqarah =
      content::planRecitedChapter(groups.back().chapters.front(), texts[1], frames);
  const content::MenuPage& page13 = baqarah.menuPages[12];
  PageSlot slot("flash1", mainDisplay(), QRect(QPoint(0, 0), content::kMainDisplay));
  for (const std::string key : {"255", "241", "page1", "page15"}) {
    EXPECT_EQ(clickKey(slot, content::chapterMenuMovie(baqarah, page13),
                       content::chapterMenuButtons(page13), key),
              std::vector<Sent>{(Sent{"click", key})});
  }

  PageSlot top("TopMenu", SlotSettings{}, QRect(QPoint(0, 0), content::kTopMenuStrip));
  for (const std::string key : {"1-1", "2-2", "29", "1"}) {
    EXPECT_EQ(clickKey(top, content::groupsMenuMovie(groups, texts),
                       content::groupsMenuButtons(groups), key),
              std::vector<Sent>{(Sent{"click", key})});
  }
}

}  // namespace
}  // namespace hifz::testing
