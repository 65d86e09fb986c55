#pragma once

#include <QRectF>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sample_content/chapter_plan.h"

namespace hifz::content {

/// A button of a menu movie: where it lies on the stage, in pixels, and the
/// key it sends with the command "click".
struct MenuButton {
  std::string key;
  QRectF area;
};

// Where the buttons of each menu lie; the movies below put them there.
std::vector<MenuButton> topMenuButtons();
std::vector<MenuButton> chapterListButtons(std::string_view group);
std::vector<MenuButton> chapterMenuButtons(const MenuPage& page);
std::vector<MenuButton> exitButtons();

/// "topmenu.gif": the four chapter groups, sending "1-1", "1-2", "2-1", "2-2".
std::vector<std::uint8_t> topMenuMovie();
/// A group's chapter list: one button per chapter, labelled with its Arabic
/// name, sending its key. `chapters` are the group's plans in key order.
std::vector<std::uint8_t> chapterListMovie(std::string_view group,
                                           std::span<const ChapterPlan> chapters);
/// One page of a chapter's menu: its verse numbers and the page keys.
std::vector<std::uint8_t> chapterMenuMovie(const ChapterPlan& plan, const MenuPage& page);
/// "exit.gif": leave sends "1", stay sends "0".
std::vector<std::uint8_t> exitMovie();

}  // namespace hifz::content
