#include "sample_content/content_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "sample_content/content_error.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

std::string systemError(const std::string& what, const fs::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

void renameInto(const fs::path& from, const fs::path& target, unsigned int how) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), how) != 0) {
    throw ContentError(systemError("cannot move the made content to", target));
  }
}

}  // namespace

void makeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw ContentError("cannot make " + folder.string() + ": " + error.message());
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes,
               ContentSummary& summary) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw ContentError("cannot write " + path.string());
  ++summary.files;
  summary.bytes += bytes.size();
}

void writeAll(const fs::path& folder, const std::vector<ContentFile>& files,
              ContentSummary& summary) {
  makeFolder(folder);
  for (const ContentFile& file : files) writeFile(folder / file.path, file.bytes, summary);
}

StagingFolder::StagingFolder(const fs::path& target) {
  // Built piece by piece: GCC 12 at -O3 takes "." + ... for an overlapping
  // copy (-Wrestrict) and the release build fails.
  std::string name = ".";
  name += target.filename().string();
  name += "-XXXXXX";
  std::string pattern = (target.parent_path() / name).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw ContentError(systemError("cannot make a folder beside", target));
  }
  path_ = pattern;
}

StagingFolder::~StagingFolder() {
  if (!path_.empty()) {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
}

void StagingFolder::moveTo(const fs::path& target) {
  renameInto(path_, target, RENAME_NOREPLACE);
  path_.clear();
}

void StagingFolder::replace(const fs::path& target) {
  // After the exchange this folder's path holds the old content, which the
  // destructor removes.
  renameInto(path_, target, RENAME_EXCHANGE);
}

}  // namespace hifz::content
