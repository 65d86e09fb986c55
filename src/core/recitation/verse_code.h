#pragma once

#include <string_view>

namespace hifz {

/// The highest verse number that has a code.
inline constexpr int kLastCodedVerse = 47;

/// The text with which a chapter folder's file names for a verse's movies
/// begin: "1".."9", "a".."y", "z1".."z9", "za".."zd" for verses 1 to 47;
/// empty for any other number.
std::string_view VerseCode(int verseNumber);

}  // namespace hifz
