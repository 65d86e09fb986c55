#include <zip.h>

#include <map>
#include <memory>
#include <mutex>

#include "content/content_error.h"
#include "content/recited/recitation_source.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

using Archive = std::unique_ptr<zip_t, decltype(&zip_discard)>;

// The archive read from the source `makeSource` gives; throws ContentError,
// telling of the zip file as `shownName`, when it is not one.
template <typename MakeSource>
Archive openArchive(const MakeSource& makeSource, const std::string& shownName) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = makeSource(&error);
  zip_t* archive = source == nullptr ? nullptr : zip_open_from_source(source, ZIP_RDONLY, &error);
  if (archive == nullptr) {
    // The archive takes the source only when it opens.
    zip_source_free(source);
    const std::string message = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw ContentError(shownName + " is neither a folder nor a zip file we can read (" + message +
                       ")");
  }
  zip_error_fini(&error);
  return Archive(archive, zip_discard);
}

class ZipSource : public RecitationSource {
 public:
  ZipSource(Archive archive, const std::string& shownName) : archive_(std::move(archive)) {
    std::vector<std::string> paths;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0);
      if (name == nullptr) continue;
      // Of two entries of one name, the first is read; the second is told of.
      entries_.emplace(name, static_cast<zip_uint64_t>(i));
      paths.emplace_back(name);
    }
    index(std::move(paths), shownName + ":");
  }

  FileBytes read(const VerseFile& file) const override {
    // One archive handle serves every thread, one at a time.
    const std::lock_guard lock(mutex_);
    const zip_uint64_t entry = entries_.at(file.path);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_.get(), entry, 0, &stat) != 0) {
      return ReadProblem{zip_strerror(archive_.get())};
    }
    if ((stat.valid & ZIP_STAT_SIZE) == 0) return ReadProblem{"its size is not given"};
    // Read whole, the entry's CRC is checked at its end.
    zip_file_t* in = zip_fopen_index(archive_.get(), entry, 0);
    if (in == nullptr) return ReadProblem{zip_strerror(archive_.get())};
    FileBytes bytes = readVerseBytes(
        stat.size,
        [&](std::span<std::uint8_t> into) { return zip_fread(in, into.data(), into.size()); },
        [&] { return std::string(zip_file_strerror(in)); });
    zip_fclose(in);
    return bytes;
  }

 private:
  Archive archive_;
  std::map<std::string, zip_uint64_t> entries_;
  mutable std::mutex mutex_;
};

}  // namespace

std::unique_ptr<RecitationSource> openRecitationZip(const fs::path& zip) {
  const auto fromFile = [&](zip_error_t* error) {
    return zip_source_file_create(zip.c_str(), 0, -1, error);
  };
  return std::make_unique<ZipSource>(openArchive(fromFile, zip.string()), zip.string());
}

std::unique_ptr<RecitationSource> openRecitationZipBytes(std::span<const std::uint8_t> zip,
                                                         const std::string& shownName) {
  const auto fromBytes = [&](zip_error_t* error) {
    return zip_source_buffer_create(zip.data(), zip.size(), 0, error);
  };
  return std::make_unique<ZipSource>(openArchive(fromBytes, shownName), shownName);
}

}  // namespace hifz::content
