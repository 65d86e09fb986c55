#pragma once

#include <array>
#include <cstddef>

#include "shell/form1_inventory.h"

namespace hifz {

/// The slots that hold chapter lists, one for each of a catalog's first four groups.
inline constexpr std::array kChapterListSlots = {form1::verses1, form1::verses2, form1::verses3,
                                                 form1::verses4};

/// The slot that shows the list of a catalog's group by its place in the
/// catalog: "verses1" to "verses4" for the first four; every later group's
/// list is loaded into "verses1" when the group is picked.
constexpr ControlHandle<Form1, MovieSlot> chapterListSlot(std::size_t groupIndex) {
  return groupIndex < kChapterListSlots.size() ? kChapterListSlots[groupIndex] : form1::verses1;
}

}  // namespace hifz
