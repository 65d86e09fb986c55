#include "reciter/chapter_title.h"

#include "recited_content/recited_chapter.h"
#include "sample_content/catalog.h"
#include "sample_content/content_error.h"
#include "sample_content/quran_text.h"
#include "view/isolated.h"

namespace hifz {

QString arabicChapterTitle(const std::string& builtName) {
  for (const content::CatalogChapter& chapter : content::catalog()) {
    if (content::chapterName(chapter) != builtName) continue;
    try {
      return QStringLiteral("سورة ") +
             content::readChapterText(content::defaultChaptersFolder(), chapter.surah).name;
    } catch (const content::ContentError&) {
      break;
    }
  }
  return isolatedLtr(QString::fromStdString(builtName));
}

}  // namespace hifz
