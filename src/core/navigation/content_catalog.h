#pragma once

namespace hifz {

class Form1;

/// At start: the content's own catalog, when its data folder has one and it
/// can be used, becomes the window's catalog. One that cannot be used is
/// named with the reason in one line of diagnostics, and the fixed catalog
/// stays.
void useContentCatalog(Form1& form);

}  // namespace hifz
