#pragma once

#include <QRectF>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "content/chapter_plan.h"
#include "content/menu_paint.h"

namespace hifz::content {

/// A chapter as its group's list shows it.
struct ListEntry {
  std::string key;
  QString name;
  int verses = 0;
};

// Where the buttons of each menu lie; the movies below put them there.
std::vector<MenuButton> topMenuButtons();
std::vector<MenuButton> chapterListButtons(std::string_view group);
/// The list of the catalog's group at `place` (0 first), which decides the
/// slot it shows in.
std::vector<MenuButton> chapterListButtons(std::size_t place, std::span<const ListEntry> entries);
std::vector<MenuButton> chapterMenuButtons(const MenuPage& page);
/// The page's verse buttons alone, the first of chapterMenuButtons.
std::vector<MenuButton> verseButtons(const MenuPage& page);
std::vector<MenuButton> exitButtons();

/// "topmenu.gif": the four chapter groups, sending "1-1", "1-2", "2-1", "2-2".
std::vector<std::uint8_t> topMenuMovie();
/// A group's chapter list: one button per chapter, labelled with its Arabic
/// name, sending its key. `chapters` are the group's plans in key order.
std::vector<std::uint8_t> chapterListMovie(std::string_view group,
                                           std::span<const ChapterPlan> chapters);
/// The same for the catalog's group at `place`, of `entries` in key order.
std::vector<std::uint8_t> chapterListMovie(std::size_t place, std::span<const ListEntry> entries);
/// One page of a chapter's menu: its verse numbers and the page keys, or
/// the strip of page numbers of a long chapter.
std::vector<std::uint8_t> chapterMenuMovie(const ChapterPlan& plan, const MenuPage& page);
/// "exit.gif": leave sends "1", stay sends "0".
std::vector<std::uint8_t> exitMovie();

}  // namespace hifz::content
