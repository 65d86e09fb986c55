#include "progress/passage.h"

#include "progress/chapter_lengths.h"

namespace hifz {

bool isValid(const Passage& passage) {
  return passage.firstVerse >= 1 && passage.firstVerse <= passage.lastVerse &&
         passage.lastVerse <= versesInChapter(passage.chapter);
}

}  // namespace hifz
