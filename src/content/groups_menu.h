#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "content/content_file.h"
#include "content/content_groups.h"
#include "content/menu_paint.h"
#include "content/quran_text.h"

namespace hifz::content {

// The menu screen of content beyond the original course: a top menu with a
// button for every group, and a chapter list for each.

/// The top menu's buttons, one per group in menu order, sending its key: the
/// original groups as tiles in a row, the parts' groups in a grid below.
std::vector<MenuButton> groupsMenuButtons(std::span<const ContentGroup> groups);

/// "topmenu.gif" for the groups. `texts` are the 114 chapters, in order.
std::vector<std::uint8_t> groupsMenuMovie(std::span<const ContentGroup> groups,
                                          std::span<const ChapterText> texts);

/// The movies at the top of the data folder, and "catalog.txt", for content
/// laid out in `groups`: start-up banner, top menu, exit, click sound and a
/// chapter list per group, each drawn for the slot its place gives it.
std::vector<ContentFile> groupsDataFolderFiles(std::span<const ContentGroup> groups,
                                               std::span<const ChapterText> texts);

}  // namespace hifz::content
