#include "content/chapter_list_area.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "content/look.h"

namespace hifz::content {
namespace {

constexpr double kTwipsPerPixel = 15;

// The menu screen as the program lays it out at start-up, in twips from its
// top left corner: the top menu strip and each group's list slot. The slots
// are as wide as the lists and some start well right of the strip, so their
// right ends reach past it.
constexpr QRectF kStrip(45, 4065, 8280, 3615);

struct ListSlot {
  std::string_view group;
  QRectF place;
};
constexpr std::array<ListSlot, 4> kListSlots = {{
    {"1-1", QRectF(195, 4260, 8055, 3360)},
    {"1-2", QRectF(540, 4185, 8055, 3510)},
    {"2-1", QRectF(750, 4155, 8055, 3435)},
    {"2-2", QRectF(100, 4140, 8055, 3510)},
}};

QRectF inPixels(const QRectF& twips) {
  return {twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel};
}

}  // namespace

QRectF chapterListArea(std::string_view group) {
  const auto slot = std::find_if(kListSlots.begin(), kListSlots.end(),
                                 [group](const ListSlot& s) { return s.group == group; });
  if (slot == kListSlots.end()) {
    throw std::invalid_argument("no chapter list for group " + std::string(group));
  }
  return chapterListAreaAt(static_cast<std::size_t>(slot - kListSlots.begin()));
}

QRectF chapterListAreaAt(std::size_t place) {
  const QRectF slot = inPixels(kListSlots[place < kListSlots.size() ? place : 0].place);
  // The lists' slots do not scale: the stage shows at its own size, centred.
  const QPointF stage =
      slot.center() - QPointF(kChapterListStage.width(), kChapterListStage.height()) / 2;
  return slot.intersected(inPixels(kStrip)).translated(-stage);
}

}  // namespace hifz::content
