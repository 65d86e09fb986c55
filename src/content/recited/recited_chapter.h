#pragma once

#include <atomic>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "content/catalog.h"
#include "content/content_folder.h"
#include "content/quran_text.h"
#include "content/recited/build_report.h"
#include "content/recited/recitation_source.h"
#include "content/recited/recited_build.h"
#include "content/recited/recited_movies.h"

namespace hifz::content {

/// A chapter's verse files by verse number.
using VerseFiles = std::map<int, VerseFile>;

/// "1-1/An Nas (114)".
std::string chapterName(const CatalogChapter& chapter);
/// The chapter number a chapterName() ends with: 114 for "1-1/An Nas (114)";
/// 0 for a name that ends with none from 1 to 114.
int chapterNumberIn(std::string_view name);

/// Throws BuildStopped when `stop` is set.
void throwIfStopped(const std::atomic<bool>* stop);

/// Builds chapter folders from their verses' files, telling of each file that
/// is skipped; safe to use from several threads.
class ChapterBuilder {
 public:
  ChapterBuilder(const RecitationSource& source, const StagingFolder& staging, BuildReport& report,
                 const std::atomic<bool>* stop)
      : source_(source), staging_(staging), report_(report), stop_(stop) {}

  /// Builds the chapter's folder in the data folder unless none of its verses
  /// has a usable sound.
  ChapterOutcome build(const CatalogChapter& chapter, const ChapterText& text,
                       const VerseFiles& files, ContentSummary& written) const;

 private:
  // The verse's sound, or nothing when its file is skipped.
  std::optional<VerseSound> sound(const VerseFile& file) const;

  const RecitationSource& source_;
  const StagingFolder& staging_;
  BuildReport& report_;
  const std::atomic<bool>* stop_;
};

}  // namespace hifz::content
