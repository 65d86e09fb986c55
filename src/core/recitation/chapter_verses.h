#pragma once

#include <string>
#include <vector>

namespace hifz {

/// The chapter's last verse as its folder shows it: the highest verse with a
/// movie of its own among `fileNames` (the whole-chapter movies are no
/// verse's), or 0 when no verse has one.
int lastVerseOf(const std::vector<std::string>& fileNames);

}  // namespace hifz
