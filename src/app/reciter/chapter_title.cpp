#include "reciter/chapter_title.h"

#include "content/content_error.h"
#include "content/quran_text.h"
#include "content/recited/recited_chapter.h"
#include "view/isolated.h"

namespace hifz {

QString arabicChapterTitle(const std::string& builtName) {
  if (const int surah = content::chapterNumberIn(builtName); surah > 0) {
    try {
      return QStringLiteral("سورة ") +
             content::readChapterText(content::defaultChaptersFolder(), surah).name;
    } catch (const content::ContentError&) {
      // The text cannot be read: the chapter is named as the build names it.
    }
  }
  return isolatedLtr(QString::fromStdString(builtName));
}

}  // namespace hifz
