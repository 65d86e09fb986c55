#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "content/content_error.h"
#include "content/file_descriptor.h"
#include "content/recited/recitation_source.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

class FolderSource : public RecitationSource {
 public:
  explicit FolderSource(const fs::path& folder) : folder_(folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      if (it->is_regular_file()) paths.push_back(it->path().lexically_relative(folder).string());
    }
    if (error) throw ContentError("cannot list " + folder.string() + ": " + error.message());
    index(std::move(paths), (folder / "").string());
  }

  FileBytes read(const VerseFile& file) const override {
    // Not blocking: a pipe or device put in a file's place must not hang the build.
    const FileDescriptor in(
        ::open((folder_ / file.path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (in.get() < 0 || ::fstat(in.get(), &status) != 0) return ReadProblem{std::strerror(errno)};
    if (!S_ISREG(status.st_mode)) return ReadProblem{"not a regular file"};
    return readVerseBytes(
        static_cast<std::uint64_t>(status.st_size),
        [&](std::span<std::uint8_t> into) -> std::int64_t {
          ssize_t got = 0;
          do {
            got = ::read(in.get(), into.data(), into.size());
          } while (got < 0 && errno == EINTR);
          return got;
        },
        [] { return std::string(std::strerror(errno)); });
  }

 private:
  fs::path folder_;
};

}  // namespace

std::unique_ptr<RecitationSource> openRecitationFolder(const fs::path& folder) {
  return std::make_unique<FolderSource>(folder);
}

}  // namespace hifz::content
