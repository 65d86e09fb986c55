#pragma once

#include <string_view>

namespace hifz {

/// The Arabic name of chapter `chapter` (1 to 114) without the word "سورة";
/// empty for any other number. Content of the original course names its
/// chapters only in its pictures, so the name is kept here.
std::string_view chapterName(int chapter);

}  // namespace hifz
