#include "navigation/menu_pages.h"

#include <algorithm>

#include "controls/number_text.h"

namespace hifz {
namespace {

constexpr int kOriginalPages = 3;

}  // namespace

std::string menuPageName(int page) {
  return page == 1 ? "Menu.gif" : "Menu" + std::to_string(page) + ".gif";
}

std::optional<int> menuPageOf(std::string_view name) {
  if (name == "Menu.gif") return 1;
  if (!name.starts_with("Menu") || !name.ends_with(".gif")) return std::nullopt;
  const std::optional<int> page = plainNumber(name.substr(4, name.size() - 8));
  if (!page || *page < 2) return std::nullopt;
  return page;
}

int lastMenuPage(const ChapterRow* chapter) {
  return chapter == nullptr ? kOriginalPages : std::max(kOriginalPages, chapter->verses);
}

}  // namespace hifz
