#include "content/menu_movies.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <stdexcept>

#include "content/chapter_list_area.h"
#include "content/look.h"
#include "content/menu_paint.h"
#include "content/movie_kit.h"
#include "content/verse_page.h"
#include "recitation/verse_code.h"

namespace hifz::content {
namespace {

constexpr int kGridColumns = 5;

// Above the verse buttons: how to choose, or which verses have no recitation.
QString menuHint(const ChapterPlan& plan) {
  if (plan.missingVerses.empty()) return QString::fromUtf8("اختر الآية لتستمع إليها");
  constexpr std::size_t kListed = 12;
  QStringList numbers;
  for (std::size_t i = 0; i < std::min(kListed, plan.missingVerses.size()); ++i) {
    numbers.append(arabicNumber(plan.missingVerses[i]));
  }
  if (plan.missingVerses.size() > kListed) numbers.append(QString::fromUtf8("…"));
  return QString::fromUtf8("آيات بلا تلاوة: ") + numbers.join(QString::fromUtf8("، "));
}

// The numbered page buttons of a long chapter, page 1 on the right.
std::vector<QRectF> pageStrip(int pages) {
  return grid(QRectF(30, 450, 501, 46), pages, pages, 2, 46);
}

// The list slot of one of the original groups.
std::size_t groupPlace(std::string_view group) {
  const auto found = std::find_if(kGroups.begin(), kGroups.end(),
                                  [group](const CatalogGroup& g) { return g.key == group; });
  if (found == kGroups.end())
    throw std::invalid_argument("no chapter list for group " + std::string(group));
  return static_cast<std::size_t>(found - kGroups.begin());
}

// The original group's chapters, with the names of `plans` in the same order.
std::vector<ListEntry> listEntries(std::span<const CatalogChapter> chapters,
                                   std::span<const ChapterPlan> plans) {
  std::vector<ListEntry> entries;
  for (std::size_t i = 0; i < chapters.size(); ++i) {
    ListEntry entry{chapters[i].key, {}, 0};
    if (i < plans.size()) {
      entry.name = plans[i].text.name;
      entry.verses = static_cast<int>(plans[i].text.verses.size());
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace

std::vector<MenuButton> topMenuButtons() {
  const std::vector<QRectF> cells = grid(QRectF(8, 56, 524, 170), 4, 4, 5, 170);
  std::vector<MenuButton> buttons;
  for (std::size_t i = 0; i < kGroups.size(); ++i) {
    buttons.push_back({std::string(kGroups[i].key), cells[i]});
  }
  return buttons;
}

std::vector<MenuButton> chapterListButtons(std::string_view group) {
  return chapterListButtons(groupPlace(group), listEntries(chaptersOf(group), {}));
}

std::vector<MenuButton> chapterListButtons(std::size_t place, std::span<const ListEntry> entries) {
  // Five columns however few the chapters, so that each tile keeps its size.
  const int count = static_cast<int>(entries.size());
  const std::vector<QRectF> cells =
      grid(chapterListAreaAt(place).adjusted(6, 6, -6, -6), count, kGridColumns, 4, 84);
  std::vector<MenuButton> buttons;
  for (int i = 0; i < count; ++i) buttons.push_back({entries[i].key, cells[i]});
  return buttons;
}

std::vector<MenuButton> chapterMenuButtons(const MenuPage& page) {
  std::vector<MenuButton> buttons = verseButtons(page);
  if (page.stripPages > 0) {
    const std::vector<QRectF> cells = pageStrip(page.stripPages);
    for (int number = 1; number <= page.stripPages; ++number) {
      if (number != page.number) buttons.push_back({pageKey(number), cells[number - 1]});
    }
  }
  // Right to left: the previous page lies on the right, the next on the left.
  if (!page.previousKey.empty()) buttons.push_back({page.previousKey, QRectF(371, 448, 160, 48)});
  if (!page.nextKey.empty()) buttons.push_back({page.nextKey, QRectF(30, 448, 160, 48)});
  return buttons;
}

std::vector<MenuButton> verseButtons(const MenuPage& page) {
  const int count = page.lastVerse - page.firstVerse + 1;
  const std::vector<QRectF> cells =
      grid(QRectF(36, 100, 489, 328), kVersesPerMenuPage, kGridColumns, 9, 82);
  std::vector<MenuButton> buttons;
  for (int i = 0; i < count; ++i) {
    const int verse = page.firstVerse + i;
    if (std::find(page.missingVerses.begin(), page.missingVerses.end(), verse) !=
        page.missingVerses.end()) {
      continue;
    }
    buttons.push_back({std::to_string(verse), cells[static_cast<std::size_t>(i)]});
  }
  return buttons;
}

std::vector<MenuButton> exitButtons() {
  return {{"1", QRectF(300, 136, 160, 60)}, {"0", QRectF(80, 136, 160, 60)}};
}

std::vector<std::uint8_t> topMenuMovie() {
  QImage stage = paintedStage(kTopMenuStrip);
  QPainter painter(&stage);
  paintText(painter, QRectF(0, 4, kTopMenuStrip.width(), 48),
            QString::fromUtf8("اختر مجموعة من السور"), labelFont(30, true), kGold);
  const std::vector<MenuButton> buttons = topMenuButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const QRectF& area = buttons[i].area;
    paintTile(painter, area, kCream);
    const QString count = arabicNumber(static_cast<int>(chaptersOf(kGroups[i].key).size())) +
                          QString::fromUtf8(" سورة");
    paintText(painter, QRectF(area.left() + 6, area.top() + 6, area.width() - 12, 40),
              QString::fromUtf8(kGroupLabels[i].title), labelFont(21, true), kInk);
    paintText(painter, QRectF(area.left() + 8, area.top() + 46, area.width() - 16, 80),
              QString::fromUtf8(kGroupLabels[i].chapters), labelFont(20), kInk);
    paintText(painter, QRectF(area.left() + 6, area.bottom() - 38, area.width() - 12, 32), count,
              labelFont(18), kTeal);
  }
  painter.end();
  return menuMovie(stage, buttons);
}

std::vector<std::uint8_t> chapterListMovie(std::string_view group,
                                           std::span<const ChapterPlan> chapters) {
  std::vector<ListEntry> entries = listEntries(chaptersOf(group), chapters);
  return chapterListMovie(groupPlace(group), entries);
}

std::vector<std::uint8_t> chapterListMovie(std::size_t place, std::span<const ListEntry> entries) {
  // Beside the top menu strip, the list looks like the menu screen around it.
  QImage stage = paintedStage(kChapterListStage, kMenuScreen);
  QPainter painter(&stage);
  painter.fillRect(chapterListAreaAt(place).toAlignedRect(), kDeepTeal);
  const std::vector<MenuButton> buttons = chapterListButtons(place, entries);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const QRectF& area = buttons[i].area;
    paintTile(painter, area, kCream);
    const double split = area.top() + area.height() * 0.62;
    paintText(painter, QRectF(area.left(), area.top() + 2, area.width(), split - area.top()),
              entries[i].name, labelFont(26, true), kInk);
    paintText(painter, QRectF(area.left(), split - 4, area.width(), area.bottom() - split),
              verseCountText(entries[i].verses), labelFont(15), kTeal);
  }
  painter.end();
  return menuMovie(stage, buttons, kMenuScreen);
}

std::vector<std::uint8_t> chapterMenuMovie(const ChapterPlan& plan, const MenuPage& page) {
  QImage stage = paintedStage(kMainDisplay);
  QPainter painter(&stage);
  paintText(painter, QRectF(20, 6, 521, 58), chapterTitle(plan), labelFont(34, true), kGold);
  paintText(painter, QRectF(20, 60, 521, 34), menuHint(plan), labelFont(22), kPaleGold);
  for (const MenuButton& button : verseButtons(page)) {
    paintTile(painter, button.area, kCream);
    paintText(painter, button.area, arabicNumber(std::stoi(button.key)), labelFont(32, true), kInk);
  }
  for (const MenuButton& button : chapterMenuButtons(page)) {
    if (button.key != page.previousKey && button.key != page.nextKey) continue;
    paintTile(painter, button.area, kTeal);
    const bool next = button.key == page.nextKey;
    paintText(painter, button.area,
              next ? QString::fromUtf8("الصفحة التالية") : QString::fromUtf8("الصفحة السابقة"),
              labelFont(22, true), kCream);
  }
  if (page.stripPages > 0) {
    const std::vector<QRectF> cells = pageStrip(page.stripPages);
    for (int number = 1; number <= page.stripPages; ++number) {
      const bool shown = number == page.number;
      const QRectF& area = cells[static_cast<std::size_t>(number - 1)];
      paintTile(painter, area, shown ? kGold : kTeal);
      paintText(painter, area, arabicNumber(number), labelFont(22, true), shown ? kInk : kCream);
    }
  } else if (plan.menuPages.size() > 1) {
    paintText(
        painter, QRectF(190, 448, 181, 48),
        QString::fromUtf8("صفحة %1 من %2")
            .arg(arabicNumber(page.number), arabicNumber(static_cast<int>(plan.menuPages.size()))),
        labelFont(20), kPaleGold);
  }
  painter.end();
  return menuMovie(stage, chapterMenuButtons(page));
}

std::vector<std::uint8_t> exitMovie() {
  QImage stage = paintedStage(kTopMenuStrip);
  QPainter painter(&stage);
  paintText(painter, QRectF(10, 30, 520, 80), QString::fromUtf8("هل تريد الخروج من البرنامج؟"),
            labelFont(34, true), kGold);
  for (const MenuButton& button : exitButtons()) {
    const bool leave = button.key == "1";
    paintTile(painter, button.area, leave ? kCream : kTeal);
    paintText(painter, button.area, leave ? QString::fromUtf8("نعم") : QString::fromUtf8("لا"),
              labelFont(28, true), leave ? kInk : kCream);
  }
  painter.end();
  return menuMovie(stage, exitButtons());
}

}  // namespace hifz::content
