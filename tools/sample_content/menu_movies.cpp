#include "sample_content/menu_movies.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>

#include "recitation/verse_code.h"
#include "sample_content/chapter_list_area.h"
#include "sample_content/look.h"
#include "sample_content/movie_kit.h"
#include "sample_content/verse_page.h"

namespace hifz::content {
namespace {

constexpr int kGridColumns = 5;
constexpr uint16_t kFirstButtonDepth = 10;

struct GroupLabel {
  const char* title;
  const char* chapters;
};
constexpr std::array<GroupLabel, 4> kGroupLabels = {{
    {"المجموعة الأولى", "من الناس إلى القارعة، والفاتحة"},
    {"المجموعة الثانية", "من الضحى إلى العاديات"},
    {"المجموعة الثالثة", "من الليل إلى الانشقاق"},
    {"المجموعة الرابعة", "من المطففين إلى النازعات"},
}};

// `count` cells in rows of at most `columns`, filled right to left from the top,
// each cell shrunk by `gap` on every side.
std::vector<QRectF> grid(const QRectF& area, int count, int columns, double gap, double tallest) {
  const int rows = (count + columns - 1) / columns;
  const double width = area.width() / columns;
  const double height = std::min(area.height() / rows, tallest);
  const double top = area.top() + (area.height() - height * rows) / 2;
  std::vector<QRectF> cells;
  for (int i = 0; i < count; ++i) {
    const double right = area.right() - (i % columns) * width;
    cells.emplace_back(QRectF(right - width, top + (i / columns) * height, width, height)
                           .adjusted(gap, gap, -gap, -gap));
  }
  return cells;
}

QImage paintedStage(QSize size, QColor colour = kDeepTeal) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

void paintTile(QPainter& painter, const QRectF& area, QColor fill) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kGold, 2.5));
  painter.setBrush(fill);
  const double radius = cornerRadius(area);
  painter.drawRoundedRect(area.adjusted(1.25, 1.25, -1.25, -1.25), radius, radius);
}

// Centred in `area`, shrunk when it would not fit.
void paintText(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
               QColor color) {
  const int pixels = font.pixelSize();
  painter.setFont(fittingFont(font, pixels, pixels * 2 / 3, text, area.size().toSize()));
  painter.setPen(color);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

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

// A one-frame menu: the painted stage with its buttons over it, stopped.
std::vector<std::uint8_t> menuMovie(const QImage& stage, const std::vector<MenuButton>& buttons,
                                    QColor background = kDeepTeal) {
  swf::MovieBuilder movie(stageOptions(stage.size(), background));
  showStage(movie, stage, 1);
  uint16_t depth = kFirstButtonDepth;
  for (const MenuButton& button : buttons) addButton(movie, button.area, button.key, depth++);
  movie.stop();
  movie.showFrame();
  return packed(movie);
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
  const std::span<const CatalogChapter> chapters = chaptersOf(group);
  const int count = static_cast<int>(chapters.size());
  const int columns = std::min(kGridColumns, count);
  const std::vector<QRectF> cells =
      grid(chapterListArea(group).adjusted(6, 6, -6, -6), count, columns, 4, 84);
  std::vector<MenuButton> buttons;
  for (int i = 0; i < count; ++i) buttons.push_back({std::string(chapters[i].key), cells[i]});
  return buttons;
}

std::vector<MenuButton> chapterMenuButtons(const MenuPage& page) {
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
  // Right to left: the previous page lies on the right, the next on the left.
  if (!page.previousKey.empty()) buttons.push_back({page.previousKey, QRectF(371, 448, 160, 48)});
  if (!page.nextKey.empty()) buttons.push_back({page.nextKey, QRectF(30, 448, 160, 48)});
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
  // Beside the top menu strip, the list looks like the menu screen around it.
  QImage stage = paintedStage(kChapterListStage, kMenuScreen);
  QPainter painter(&stage);
  painter.fillRect(chapterListArea(group).toAlignedRect(), kDeepTeal);
  const std::vector<MenuButton> buttons = chapterListButtons(group);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const QRectF& area = buttons[i].area;
    const ChapterText& text = chapters[i].text;
    paintTile(painter, area, kCream);
    const double split = area.top() + area.height() * 0.62;
    paintText(painter, QRectF(area.left(), area.top() + 2, area.width(), split - area.top()),
              text.name, labelFont(26, true), kInk);
    paintText(painter, QRectF(area.left(), split - 4, area.width(), area.bottom() - split),
              verseCountText(static_cast<int>(text.verses.size())), labelFont(15), kTeal);
  }
  painter.end();
  return menuMovie(stage, buttons, kMenuScreen);
}

std::vector<std::uint8_t> chapterMenuMovie(const ChapterPlan& plan, const MenuPage& page) {
  QImage stage = paintedStage(kMainDisplay);
  QPainter painter(&stage);
  paintText(painter, QRectF(20, 6, 521, 58), chapterTitle(plan), labelFont(34, true), kGold);
  paintText(painter, QRectF(20, 60, 521, 34), menuHint(plan), labelFont(22), kPaleGold);
  for (const MenuButton& button : chapterMenuButtons(page)) {
    const int key = std::stoi(button.key);
    if (key <= kLastCodedVerse) {
      paintTile(painter, button.area, kCream);
      paintText(painter, button.area, arabicNumber(key), labelFont(32, true), kInk);
    } else {
      paintTile(painter, button.area, kTeal);
      const bool next = button.key == page.nextKey;
      paintText(painter, button.area,
                next ? QString::fromUtf8("الصفحة التالية") : QString::fromUtf8("الصفحة السابقة"),
                labelFont(22, true), kCream);
    }
  }
  if (plan.menuPages.size() > 1) {
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
