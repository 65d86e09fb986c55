#include "progress/passage.h"

namespace hifz {

bool isValid(const Passage& passage) {
  return passage.chapter >= 1 && passage.chapter <= 114 && passage.firstVerse >= 1 &&
         passage.firstVerse <= passage.lastVerse;
}

}  // namespace hifz
