#include "content/content_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "content/content_error.h"
#include "content/file_descriptor.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

std::string systemError(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

void makeFolderShownAs(const fs::path& folder, const fs::path& shown) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw ContentError("cannot make " + shown.string() + ": " + error.message());
}

// `shown` is the file's name in the user's words.
void writeFileShownAs(const fs::path& path, const fs::path& shown,
                      const std::vector<std::uint8_t>& bytes, ContentSummary& summary) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) throw ContentError(systemError("cannot write", shown));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) throw ContentError(systemError("cannot write", shown));
    done += static_cast<std::size_t>(written);
  }
  if (!file.close()) throw ContentError(systemError("cannot write", shown));
  ++summary.files;
  summary.bytes += bytes.size();
}

void renameInto(const fs::path& from, const fs::path& target, unsigned int how) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), how) == 0) return;
  if (errno == EEXIST) {
    throw ContentError(target.string() +
                       " appeared while the content was being made; it is left as it is");
  }
  throw ContentError(systemError("cannot move the made content to", target));
}

// A folder's new entry lasts a crash once the folder itself is flushed; a
// failure then changes nothing that was done.
void flushFolder(const fs::path& folder) {
  FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (descriptor.get() >= 0) ::fsync(descriptor.get());
}

std::string randomSuffix(std::mt19937& random) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix;
  for (int i = 0; i < 6; ++i) suffix += kLetters[pick(random)];
  return suffix;
}

}  // namespace

void makeFolder(const fs::path& folder) { makeFolderShownAs(folder, folder); }

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes,
               ContentSummary& summary) {
  writeFileShownAs(path, path, bytes, summary);
}

StagingFolder::StagingFolder(fs::path target) : target_(std::move(target)) {
  // mkdir rather than mkdtemp, whose 0700 the rename would carry to the target.
  std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Built piece by piece: GCC 12 at -O3 takes "." + ... for an overlapping
    // copy (-Wrestrict) and the release build fails.
    std::string name = ".";
    name += target_.filename().string();
    name += "-";
    name += randomSuffix(random);
    const fs::path candidate = target_.parent_path() / name;
    if (::mkdir(candidate.c_str(), 0777) == 0) {
      path_ = candidate;
      return;
    }
    if (errno != EEXIST) break;
  }
  throw ContentError(systemError("cannot make a folder beside", target_));
}

StagingFolder::~StagingFolder() {
  if (!path_.empty()) {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
}

void StagingFolder::writeAll(const fs::path& folder, const std::vector<ContentFile>& files,
                             ContentSummary& summary) const {
  makeFolderShownAs(path_ / folder, target_ / folder);
  for (const ContentFile& file : files) {
    writeFileShownAs(path_ / folder / file.path, target_ / folder / file.path, file.bytes, summary);
  }
}

void StagingFolder::moveIntoPlace() {
  flush();
  renameInto(path_, target_, RENAME_NOREPLACE);
  path_.clear();
  flushFolder(target_.parent_path());
}

void StagingFolder::replaceTarget() {
  flush();
  // After the exchange this folder's path holds the old content, which the
  // destructor removes.
  renameInto(path_, target_, RENAME_EXCHANGE);
  flushFolder(target_.parent_path());
}

void StagingFolder::flush() const {
  // One syncfs flushes every file and folder made here: a fsync each cost
  // some 6 ms a file on ext4, seconds for a whole content.
  FileDescriptor folder(::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0 || ::syncfs(folder.get()) != 0) {
    throw ContentError(systemError("cannot flush to disk", target_));
  }
}

}  // namespace hifz::content
