#pragma once

#include "navigation/chapter_catalog.h"

namespace hifz {

class Form1;

/// At start: the content's own catalog, when its data folder has one and it
/// can be used, becomes the window's catalog. One that cannot be used is
/// named with the reason in one line of diagnostics, and the fixed catalog
/// stays.
void useContentCatalog(Form1& form);

/// The catalog's row of the chosen chapter, or null when `CurrentChapter`
/// names none of its folders.
const ChapterRow* currentChapter(const Form1& form);

}  // namespace hifz
