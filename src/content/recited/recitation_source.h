#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace hifz::content {

/// The most bytes one verse's file may have; a larger one is skipped unread.
inline constexpr std::uint64_t kMostVerseBytes = 50'000'000;

/// One verse's file of a recitation, "SSSAAA.mp3": chapter and verse numbers.
struct VerseFile {
  int surah = 0;
  int verse = 0;
  std::string path;  // inside the recitation, '/' or '\' between folders
  std::string name;  // where it lies, as told to the user
};

/// A file named as a verse for a second time, left aside for the first.
struct DuplicateFile {
  std::string name;
  std::string why;  // names the first, which is used
};

/// Why a file's bytes could not be read, in a few words.
struct ReadProblem {
  std::string why;
};
using FileBytes = std::variant<std::vector<std::uint8_t>, ReadProblem>;

/// The chapter and verse of a file name "SSSAAA.mp3" (any letter case), after
/// the last '/' or '\', or {0, 0} for any other name.
std::pair<int, int> verseOfFileName(const std::string& fileName);

/// Reads a file of `declared` bytes in bounded chunks: `readSome` reads into
/// the span it is given and returns the bytes read, 0 at the end, or -1 on an
/// error that `whyNot` then tells. Nothing is allocated from `declared`; a
/// file larger than kMostVerseBytes is refused unread, and one whose data
/// ends before or goes beyond `declared` is a problem.
FileBytes readVerseBytes(std::uint64_t declared,
                         const std::function<std::int64_t(std::span<std::uint8_t>)>& readSome,
                         const std::function<std::string()>& whyNot);

/// A reciter's files: a folder, or a zip file, holding one "SSSAAA.mp3" per
/// verse, at its top or in folders inside it.
class RecitationSource {
 public:
  virtual ~RecitationSource() = default;

  /// Opens a folder or a zip file; throws ContentError when it is neither.
  static std::unique_ptr<RecitationSource> open(const std::filesystem::path& path);

  /// Every file named as a verse, ordered by chapter and verse; where several
  /// name the same verse, the first by path.
  const std::vector<VerseFile>& verses() const { return verses_; }
  /// The other files named as a verse that is already there, and the second
  /// entries of one name in a zip file.
  const std::vector<DuplicateFile>& duplicates() const { return duplicates_; }

  /// The file's bytes, or why they cannot be read. Safe to call from several
  /// threads.
  virtual FileBytes read(const VerseFile& file) const = 0;

 protected:
  /// Takes every file whose path (inside the source) reads as a verse file;
  /// the user is told of it as `shownPrefix` followed by its path. A path
  /// given twice is a zip file's second entry of that name.
  void index(std::vector<std::string> paths, const std::string& shownPrefix);

 private:
  std::vector<VerseFile> verses_;
  std::vector<DuplicateFile> duplicates_;
};

/// The two kinds of source, each throwing ContentError when it cannot be opened.
std::unique_ptr<RecitationSource> openRecitationFolder(const std::filesystem::path& folder);
std::unique_ptr<RecitationSource> openRecitationZip(const std::filesystem::path& zip);
/// A zip file's bytes, which must outlast the source; told of as `shownName`.
std::unique_ptr<RecitationSource> openRecitationZipBytes(std::span<const std::uint8_t> zip,
                                                         const std::string& shownName);

}  // namespace hifz::content
