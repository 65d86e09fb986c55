#include "content/groups_menu.h"

#include <QStringList>
#include <algorithm>

#include "content/catalog_file.h"
#include "content/look.h"
#include "content/menu_movies.h"
#include "content/page_movies.h"

namespace hifz::content {
namespace {

constexpr int kFatihah = 1;
constexpr int kPartColumns = 9;
const QRectF kTitleArea(0, 0, 540, 34);
const QRectF kGroupsArea(8, 34, 524, 196);
// With the parts below them, the original groups' tiles take the top row.
constexpr double kTileRow = 86;

std::span<const ContentGroup> originalGroups(std::span<const ContentGroup> groups) {
  const auto parts = std::find_if(groups.begin(), groups.end(),
                                  [](const ContentGroup& group) { return group.part > 0; });
  return groups.first(static_cast<std::size_t>(parts - groups.begin()));
}

const QString& nameOf(std::span<const ChapterText> texts, int surah) {
  return texts[static_cast<std::size_t>(surah - 1)].name;
}

// "من الناس إلى القارعة، والفاتحة": the group's first and last chapters, Al
// Fatihah named apart as the original course does.
QString chaptersLabel(const ContentGroup& group, std::span<const ChapterText> texts) {
  std::vector<int> surahs;
  bool fatihah = false;
  for (const CatalogChapter& chapter : group.chapters) {
    if (chapter.surah == kFatihah) {
      fatihah = true;
    } else {
      surahs.push_back(chapter.surah);
    }
  }
  QString label;
  if (surahs.size() == 1) label = QString::fromUtf8("سورة ") + nameOf(texts, surahs.front());
  if (surahs.size() > 1) {
    label = QString::fromUtf8("من %1 إلى %2")
                .arg(nameOf(texts, surahs.front()), nameOf(texts, surahs.back()));
  }
  if (fatihah) {
    label += label.isEmpty() ? QString::fromUtf8("سورة ") + nameOf(texts, kFatihah)
                             : QString::fromUtf8("، و") + nameOf(texts, kFatihah);
  }
  return label;
}

// "سورة واحدة", "سورتان", "٥ سور", "١٥ سورة".
QString chapterCount(int count) {
  if (count == 1) return QString::fromUtf8("سورة واحدة");
  if (count == 2) return QString::fromUtf8("سورتان");
  return arabicNumber(count) +
         (count <= 10 ? QString::fromUtf8(" سور") : QString::fromUtf8(" سورة"));
}

void paintGroupTile(QPainter& painter, const QRectF& area, const ContentGroup& group,
                    std::span<const ChapterText> texts) {
  paintTile(painter, area, kCream);
  // Text sizes follow the tile's height: 170 pixels on a top menu of groups alone.
  const double scale = area.height() / 160;
  const double line = area.height() / 4;
  paintText(painter, QRectF(area.left() + 4, area.top() + 2, area.width() - 8, line),
            groupTitle(group), labelFont(std::clamp(21 * scale, 15.0, 21.0), true), kInk);
  paintText(painter,
            QRectF(area.left() + 6, area.top() + line, area.width() - 12, area.height() - 2 * line),
            chaptersLabel(group, texts), labelFont(std::clamp(20 * scale, 14.0, 20.0)), kInk);
  paintText(painter, QRectF(area.left() + 4, area.bottom() - line, area.width() - 8, line - 2),
            chapterCount(static_cast<int>(group.chapters.size())),
            labelFont(std::clamp(18 * scale, 13.0, 18.0)), kTeal);
}

}  // namespace

std::vector<MenuButton> groupsMenuButtons(std::span<const ContentGroup> groups) {
  const std::span<const ContentGroup> original = originalGroups(groups);
  const std::span<const ContentGroup> parts = groups.subspan(original.size());
  QRectF tiles = kGroupsArea;
  QRectF partsArea = kGroupsArea;
  if (!original.empty() && !parts.empty()) {
    tiles.setHeight(kTileRow);
    partsArea.setTop(tiles.bottom());
  }
  std::vector<QRectF> cells;
  if (!original.empty()) cells = grid(tiles, 4, 4, 5, tiles.height());
  cells.resize(original.size());
  if (!parts.empty()) {
    const int count = static_cast<int>(parts.size());
    // As many columns however few the parts, so that each button keeps its size.
    for (const QRectF& cell : grid(partsArea, count, kPartColumns, 3, 48)) cells.push_back(cell);
  }
  std::vector<MenuButton> buttons;
  for (std::size_t i = 0; i < groups.size(); ++i) buttons.push_back({groups[i].key, cells[i]});
  return buttons;
}

std::vector<std::uint8_t> groupsMenuMovie(std::span<const ContentGroup> groups,
                                          std::span<const ChapterText> texts) {
  QImage stage = paintedStage(kTopMenuStrip);
  QPainter painter(&stage);
  paintText(painter, kTitleArea, QString::fromUtf8("اختر مجموعة من السور"), labelFont(26, true),
            kGold);
  const std::vector<MenuButton> buttons = groupsMenuButtons(groups);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ContentGroup& group = groups[i];
    if (group.part == 0) {
      paintGroupTile(painter, buttons[i].area, group, texts);
    } else {
      paintTile(painter, buttons[i].area, kCream);
      paintText(painter, buttons[i].area, groupTitle(group), labelFont(17, true), kInk);
    }
  }
  painter.end();
  return menuMovie(stage, buttons);
}

std::vector<ContentFile> groupsDataFolderFiles(std::span<const ContentGroup> groups,
                                               std::span<const ChapterText> texts) {
  std::vector<ContentFile> files = {
      {"startUp.gif", startUpMovie(ContentSound::Recitation)},
      {"topmenu.gif", groupsMenuMovie(groups, texts)},
      {"exit.gif", exitMovie()},
      {"ding.gif", dingMovie()},
  };
  for (std::size_t place = 0; place < groups.size(); ++place) {
    std::vector<ListEntry> entries;
    for (const CatalogChapter& chapter : groups[place].chapters) {
      const ChapterText& text = texts[static_cast<std::size_t>(chapter.surah - 1)];
      entries.push_back({chapter.key, text.name, static_cast<int>(text.verses.size())});
    }
    files.push_back({groups[place].listMovie, chapterListMovie(place, entries)});
  }
  files.push_back(catalogFile(groups, texts));
  return files;
}

}  // namespace hifz::content
