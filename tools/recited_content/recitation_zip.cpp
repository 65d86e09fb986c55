#include <zip.h>

#include <map>
#include <mutex>

#include "recited_content/recitation_source.h"
#include "sample_content/content_error.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

class ZipSource : public RecitationSource {
 public:
  explicit ZipSource(const fs::path& path) {
    int error = 0;
    archive_ = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (archive_ == nullptr) {
      zip_error_t why;
      zip_error_init_with_code(&why, error);
      const std::string message = zip_error_strerror(&why);
      zip_error_fini(&why);
      throw ContentError(path.string() + " is neither a folder nor a zip file we can read (" +
                         message + ")");
    }
    std::vector<std::string> paths;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
      if (name != nullptr && entries_.emplace(name, static_cast<zip_uint64_t>(i)).second) {
        paths.emplace_back(name);
      }
    }
    index(std::move(paths), path.string() + ":");
  }
  ~ZipSource() override { zip_discard(archive_); }
  ZipSource(const ZipSource&) = delete;
  ZipSource& operator=(const ZipSource&) = delete;

  FileBytes read(const VerseFile& file) const override {
    // One archive handle serves every thread, one at a time.
    const std::lock_guard lock(mutex_);
    const zip_uint64_t entry = entries_.at(file.path);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, entry, 0, &stat) != 0) return ReadProblem{zip_strerror(archive_)};
    if ((stat.valid & ZIP_STAT_SIZE) == 0) return ReadProblem{"its size is not given"};
    // Read whole, the entry's CRC is checked at its end.
    zip_file_t* in = zip_fopen_index(archive_, entry, 0);
    if (in == nullptr) return ReadProblem{zip_strerror(archive_)};
    FileBytes bytes = readVerseBytes(
        stat.size,
        [&](std::span<std::uint8_t> into) { return zip_fread(in, into.data(), into.size()); },
        [&] { return std::string(zip_file_strerror(in)); });
    zip_fclose(in);
    return bytes;
  }

 private:
  zip_t* archive_ = nullptr;
  std::map<std::string, zip_uint64_t> entries_;
  mutable std::mutex mutex_;
};

}  // namespace

std::unique_ptr<RecitationSource> openRecitationZip(const fs::path& zip) {
  return std::make_unique<ZipSource>(zip);
}

}  // namespace hifz::content
