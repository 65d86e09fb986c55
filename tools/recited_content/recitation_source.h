#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace hifz::content {

/// One verse's file of a recitation, "SSSAAA.mp3": chapter and verse numbers.
struct VerseFile {
  int surah = 0;
  int verse = 0;
  std::string name;  // where it lies, as told to the user
};

/// The chapter and verse of a file name "SSSAAA.mp3" (any letter case), or
/// {0, 0} for any other name.
std::pair<int, int> verseOfFileName(const std::string& fileName);

/// A reciter's files: a folder, or a zip file, holding one "SSSAAA.mp3" per
/// verse, at its top or in folders inside it.
class RecitationSource {
 public:
  virtual ~RecitationSource() = default;

  /// Opens a folder or a zip file; throws ContentError when it is neither.
  static std::unique_ptr<RecitationSource> open(const std::filesystem::path& path);

  /// Every file named as a verse, ordered by chapter and verse; where two carry
  /// the same name, the first by path.
  const std::vector<VerseFile>& verses() const { return verses_; }
  /// Files named as a verse for a second time, left aside.
  const std::vector<std::string>& duplicates() const { return duplicates_; }

  /// The file's bytes. Throws ContentError when it cannot be read. Safe to call
  /// from several threads.
  virtual std::vector<std::uint8_t> read(const VerseFile& file) const = 0;

 protected:
  /// Takes every name that reads as a verse file.
  void index(std::vector<std::string> names);

 private:
  std::vector<VerseFile> verses_;
  std::vector<std::string> duplicates_;
};

}  // namespace hifz::content
