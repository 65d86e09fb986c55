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

/// The verse a verse movie's file name stands for, by the code before its
/// first hyphen ("z1-003.gif" is verse 35); 0 for a name of no verse.
int verseOfMovie(std::string_view fileName);

}  // namespace hifz
