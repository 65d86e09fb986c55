#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sample_content/content_file.h"

namespace hifz::content {

/// What was written.
struct ContentSummary {
  int files = 0;
  std::uintmax_t bytes = 0;

  ContentSummary& operator+=(const ContentSummary& other) {
    files += other.files;
    bytes += other.bytes;
    return *this;
  }
};

/// Makes the folder and those above it; throws ContentError when it cannot.
void makeFolder(const std::filesystem::path& folder);

/// Writes `bytes` to `path`, counting it in `summary`; throws ContentError
/// when it cannot.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               ContentSummary& summary);

/// Writes the files into `folder`, making it and the folders their paths name.
void writeAll(const std::filesystem::path& folder, const std::vector<ContentFile>& files,
              ContentSummary& summary);

/// A new, hidden folder beside `target` where content is made, so that
/// `target` appears whole or not at all. It is removed with everything in it
/// unless it was moved into place.
class StagingFolder {
 public:
  /// Throws ContentError when the folder cannot be made.
  explicit StagingFolder(const std::filesystem::path& target);
  ~StagingFolder();
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  /// Moves the folder to the target, which must not exist by then.
  void moveTo(const std::filesystem::path& target);
  /// Puts the folder in the target's place in one step; what was there is
  /// then removed.
  void replace(const std::filesystem::path& target);

 private:
  std::filesystem::path path_;
};

}  // namespace hifz::content
