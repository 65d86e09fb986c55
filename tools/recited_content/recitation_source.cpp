#include "recited_content/recitation_source.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <mutex>

#include "sample_content/content_error.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

std::string baseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

class FolderSource : public RecitationSource {
 public:
  explicit FolderSource(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_regular_file()) names.push_back(it->path().string());
    }
    if (error) throw ContentError("cannot list " + folder.string() + ": " + error.message());
    index(std::move(names));
  }

  std::vector<std::uint8_t> read(const VerseFile& file) const override {
    std::ifstream in(file.name, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    std::vector<std::uint8_t> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (size < 0 || !in) throw ContentError("cannot read " + file.name);
    return bytes;
  }
};

class ZipSource : public RecitationSource {
 public:
  explicit ZipSource(const fs::path& path) : path_(path.string()) {
    int error = 0;
    archive_ = zip_open(path_.c_str(), ZIP_RDONLY, &error);
    if (archive_ == nullptr) {
      zip_error_t why;
      zip_error_init_with_code(&why, error);
      const std::string message = zip_error_strerror(&why);
      zip_error_fini(&why);
      throw ContentError(path_ + " is neither a folder nor a zip file we can read (" + message +
                         ")");
    }
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
      const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
      if (name != nullptr) {
        names.push_back(path_ + ":" + name);
        entries_[names.back()] = static_cast<zip_uint64_t>(i);
      }
    }
    index(std::move(names));
  }
  ~ZipSource() override { zip_discard(archive_); }
  ZipSource(const ZipSource&) = delete;
  ZipSource& operator=(const ZipSource&) = delete;

  std::vector<std::uint8_t> read(const VerseFile& file) const override {
    // One archive handle serves every thread, one at a time.
    const std::lock_guard lock(mutex_);
    const zip_uint64_t entry = entries_.at(file.name);
    zip_stat_t stat;
    zip_file_t* in = nullptr;
    if (zip_stat_index(archive_, entry, 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        (in = zip_fopen_index(archive_, entry, 0)) == nullptr) {
      throw ContentError("cannot read " + file.name + ": " + zip_strerror(archive_));
    }
    std::vector<std::uint8_t> bytes(stat.size);
    const zip_int64_t got = zip_fread(in, bytes.data(), bytes.size());
    const std::string why = zip_file_strerror(in);
    zip_fclose(in);
    if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size) {
      throw ContentError("cannot read " + file.name + ": " + why);
    }
    return bytes;
  }

 private:
  std::string path_;
  zip_t* archive_ = nullptr;
  std::map<std::string, zip_uint64_t> entries_;
  mutable std::mutex mutex_;
};

}  // namespace

std::pair<int, int> verseOfFileName(const std::string& fileName) {
  const std::string name = baseName(fileName);
  if (name.size() != 10) return {0, 0};
  std::string extension = name.substr(6);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const bool digits = std::all_of(name.begin(), name.begin() + 6,
                                  [](unsigned char c) { return std::isdigit(c) != 0; });
  if (!digits || extension != ".mp3") return {0, 0};
  return {std::stoi(name.substr(0, 3)), std::stoi(name.substr(3, 3))};
}

std::unique_ptr<RecitationSource> RecitationSource::open(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::directory) return std::make_unique<FolderSource>(path);
  if (status.type() == fs::file_type::regular) return std::make_unique<ZipSource>(path);
  throw ContentError(path.string() + " is neither a folder nor a zip file");
}

void RecitationSource::index(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  std::map<std::pair<int, int>, std::string> found;
  for (std::string& name : names) {
    const auto verse = verseOfFileName(name);
    if (verse.first == 0) continue;
    if (!found.emplace(verse, name).second) duplicates_.push_back(std::move(name));
  }
  for (auto& [verse, name] : found) verses_.push_back({verse.first, verse.second, std::move(name)});
}

}  // namespace hifz::content
