#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sample_content/chapter_plan.h"
#include "sample_content/content_file.h"

namespace hifz::content {

/// The blank movie's name; it lies in the application folder, not in "data".
inline constexpr const char* kBlankMovie = "2 blank.gif";

struct ContentSummary {
  int files = 0;
  std::uintmax_t bytes = 0;
};

/// Plans all 37 chapters from the Quran text package's chapter folder.
std::vector<ChapterPlan> planAllChapters(const std::filesystem::path& quranChapters);

/// The chapter's text for "TFS.txt": its name, verse count and whether it is
/// Meccan or Medinan, with Windows line ends.
std::u16string objectivesText(const ChapterPlan& plan);

/// Everything in one chapter folder.
std::vector<ContentFile> chapterFiles(const ChapterPlan& plan);

/// Makes the sample content for the program in `applicationFolder`: "2 blank.gif"
/// there, and everything else in its folder "data". Refuses, with a
/// ContentError and nothing written, when "data" is already there. The data
/// folder is made aside and moved into place whole, so it never exists half
/// made. Throws ContentError when the text cannot be read or a file not written.
/// The pictures are painted with Qt: a QGuiApplication must exist.
ContentSummary writeSampleContent(const std::filesystem::path& applicationFolder,
                                  const std::filesystem::path& quranChapters);

}  // namespace hifz::content
