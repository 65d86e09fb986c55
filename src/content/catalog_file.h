#pragma once

#include <QString>
#include <span>

#include "content/content_file.h"
#include "content/content_groups.h"
#include "content/quran_text.h"

namespace hifz::content {

/// A group's title: the original four's as the top menu has them, a part's
/// "الجزء ٢٩".
QString groupTitle(const ContentGroup& group);

/// "catalog.txt": the groups in menu order, each with its chapters' keys,
/// folders, numbers, Arabic names and verse counts. `texts` are the 114
/// chapters, in order.
ContentFile catalogFile(std::span<const ContentGroup> groups, std::span<const ChapterText> texts);

}  // namespace hifz::content
