#pragma once

#include <string_view>

namespace hifz {

/// The highest verse number that has a code: Al Baqarah's last verse.
inline constexpr int kLastCodedVerse = 286;

/// The text with which a chapter folder's file names for a verse's movies
/// begin: "1".."9", "a".."y", "z1".."z9", "za".."zd" for verses 1 to 47, as
/// the original course named them; "zz048".."zz286" after, which sort after
/// "zd" and in verse order. Empty for any other number.
std::string_view VerseCode(int verseNumber);

}  // namespace hifz
