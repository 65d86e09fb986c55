#pragma once

#include <vector>

namespace hifz::content {

/// The Quran's thirty parts (juz'), from the npm package quran-meta.
inline constexpr int kParts = 30;

/// The part (1 to 30) in which the chapter's first verse lies. Throws
/// std::out_of_range for a chapter number outside 1 to 114.
int partOfChapter(int surah);

/// The chapters that have at least one verse in the part, in order: the
/// chapters to build for the whole part. Throws std::out_of_range for a part
/// outside 1 to 30.
std::vector<int> chaptersInPart(int part);

}  // namespace hifz::content
