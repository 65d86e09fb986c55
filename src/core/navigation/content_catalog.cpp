#include "navigation/content_catalog.h"

#include <string>

#include "navigation/catalog_reading.h"
#include "shell/form1.h"

namespace hifz {

void useContentCatalog(Form1& form) {
  Platform& platform = form.platform();
  std::optional<CatalogReading> reading = readCatalog(platform.files, form.dataFilePath(""));
  if (!reading) return;
  if (!reading->catalog) {
    platform.diagnostics.report("the content's catalog " + form.dataFilePath(kCatalogFileName) +
                                " is not used, as " + reading->problem +
                                "; the 37 chapters of the original course are offered instead");
    return;
  }
  form.setCatalog(std::move(*reading->catalog));
}

const ChapterRow* currentChapter(const Form1& form) {
  return form.catalog().chapterInFolder(form.state().CurrentChapter);
}

}  // namespace hifz
