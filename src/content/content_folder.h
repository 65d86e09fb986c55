#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "content/content_file.h"

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

/// Writes `bytes` to `path`, counting it in `summary`; throws ContentError,
/// with the file and the reason, when it cannot.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               ContentSummary& summary);

/// A new, hidden folder beside `target` where content is made, so that
/// `target` appears whole or not at all. It is made as `mkdir` makes a folder,
/// with the permissions the umask leaves, and removed with everything in it
/// unless it was moved into place. Its errors name files as they will lie in
/// `target`, never the hidden folder.
class StagingFolder {
 public:
  /// Throws ContentError when the folder cannot be made.
  explicit StagingFolder(std::filesystem::path target);
  ~StagingFolder();
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;

  /// Writes the files into `folder`, a folder inside it ("" for its top),
  /// making the folders their paths name. Safe to call from several threads.
  void writeAll(const std::filesystem::path& folder, const std::vector<ContentFile>& files,
                ContentSummary& summary) const;
  /// Flushes it to disk and moves it to the target, never over anything: a
  /// target there by then throws ContentError saying it appeared meanwhile.
  void moveIntoPlace();
  /// Flushes it to disk and puts it in the target's place in one step; what
  /// was there is then removed.
  void replaceTarget();

 private:
  void flush() const;

  std::filesystem::path target_;
  std::filesystem::path path_;
};

}  // namespace hifz::content
