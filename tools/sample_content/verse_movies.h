#pragma once

#include <vector>

#include "sample_content/chapter_plan.h"
#include "sample_content/content_file.h"

namespace hifz::content {

/// A chapter's recitation movies, named as in its folder: one per verse movie
/// of the plan, each showing its words for as long as its tone lasts and
/// stopping on its last frame, then the whole chapter as one movie, verse
/// after verse, with a tone as long as all of them.
std::vector<ContentFile> recitationMovies(const ChapterPlan& plan);

}  // namespace hifz::content
