#pragma once

#include <QRectF>
#include <cstddef>
#include <string_view>

namespace hifz::content {

/// Where a group's chapter list may show anything, in pixels of its stage: the
/// part of its slot that the top menu strip covers. The menu screen keeps the
/// lists behind the strip and shows the chosen group's list in its place, so
/// the rest of the stage must look like the menu screen around the strip.
/// Throws std::invalid_argument for a group without a list.
QRectF chapterListArea(std::string_view group);
/// The same for the catalog's group at `place` (0 first): the first four
/// groups have the slots "verses1" to "verses4", later ones show in "verses1".
QRectF chapterListAreaAt(std::size_t place);

}  // namespace hifz::content
