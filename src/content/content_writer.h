#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "content/chapter_plan.h"
#include "content/content_file.h"
#include "content/content_folder.h"
#include "content/page_movies.h"

namespace hifz::content {

/// The blank movie's name; it lies in the application folder, not in "data".
inline constexpr const char* kBlankMovie = "2 blank.gif";

/// The note in the data folder that tells the sample content from a
/// reciter's: the program says once that its sound is only a tone.
inline constexpr const char* kSampleNote = "sample-content.txt";

/// Plans all 37 chapters from the Quran text package's chapter folder.
std::vector<ChapterPlan> planAllChapters(const std::filesystem::path& quranChapters);

/// The chapter's text for "TFS.txt": its name, verse count and whether it is
/// Meccan or Medinan, with Windows line ends. The original course's chapters
/// say it stands in place of their objectives; any other also names the part
/// it begins in and says that its objectives are not written.
std::u16string objectivesText(const ChapterPlan& plan);

/// A chapter folder's pages: its menu pages, words, Othmani page and "TFS.txt".
std::vector<ContentFile> chapterPages(const ChapterPlan& plan);

/// Everything in one chapter folder.
std::vector<ContentFile> chapterFiles(const ChapterPlan& plan);

/// The movies at the top of the data folder: start-up banner, top menu, exit,
/// click sound and the four chapter lists. `plans` are all 37 chapters, in
/// catalog order; the lists show their names and verse counts. The banner
/// says what the verses sound like.
std::vector<ContentFile> dataFolderFiles(const std::vector<ChapterPlan>& plans, ContentSound sound);

/// Makes the sample content for the program in `applicationFolder`: "2 blank.gif"
/// there, and everything else in its folder "data". Refuses, with a
/// ContentError and nothing written, when "data" is already there. The data
/// folder is made aside and moved into place whole, so it never exists half
/// made. Throws ContentError when the text cannot be read or a file not written.
/// The pictures are painted with Qt: a QGuiApplication must exist.
ContentSummary writeSampleContent(const std::filesystem::path& applicationFolder,
                                  const std::filesystem::path& quranChapters);

}  // namespace hifz::content
