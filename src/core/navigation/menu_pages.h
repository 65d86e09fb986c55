#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "navigation/chapter_catalog.h"

namespace hifz {

/// A chapter menu's page: "Menu.gif" for the first, "Menu<N>.gif" after.
std::string menuPageName(int page);

/// The page that `name` is, for a name menuPageName() gives (letter case
/// counts); nothing for any other name.
std::optional<int> menuPageOf(std::string_view name);

/// The last page a chapter's menu may have: no more pages than verses in a
/// chapter whose verse count the catalog gives; the three pages of the
/// original course's menus otherwise, and at the least.
int lastMenuPage(const ChapterRow* chapter);

}  // namespace hifz
