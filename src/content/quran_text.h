#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

namespace hifz::content {

/// One chapter of the Quran text package: its Arabic name, whether it was
/// revealed in Medina, its verses in order (verse 1 first) and its name in
/// Latin letters ("Al-Mulk").
struct ChapterText {
  int surah = 0;
  QString name;
  bool medinan = false;
  QStringList verses;
  QString transliteration;
};

/// Reads `<folder>/<surah>.json` of the quran-json package. Throws
/// ContentError, naming the file, when it is missing or not the expected
/// chapter (wrong number, verse count not matching its verses, empty verses).
ChapterText readChapterText(const std::filesystem::path& folder, int surah);

/// The package's chapter folder: the one installed with the program, found
/// relative to the running executable, else the one this build was configured with.
std::filesystem::path defaultChaptersFolder();

}  // namespace hifz::content
