#pragma once

namespace hifz {

/// The number of verses of chapter `chapter` (1 to 114) in the Hafs count; 0
/// for any other number. Passages are checked against it whatever the
/// content's catalog says of its chapters.
int versesInChapter(int chapter);

}  // namespace hifz
