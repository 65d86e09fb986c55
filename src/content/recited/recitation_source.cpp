#include "content/recited/recitation_source.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

#include "content/content_error.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kSecondEntry =
    "a second entry of this name in the zip file; the first is used";

std::string baseName(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

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

FileBytes readVerseBytes(std::uint64_t declared,
                         const std::function<std::int64_t(std::span<std::uint8_t>)>& readSome,
                         const std::function<std::string()>& whyNot) {
  if (declared > kMostVerseBytes) {
    return ReadProblem{"it is " + std::to_string(declared) + " bytes, more than the " +
                       std::to_string(kMostVerseBytes / 1'000'000) + " MB one verse may have"};
  }
  std::vector<std::uint8_t> bytes;
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + kChunk);
    const std::int64_t got = readSome(std::span(bytes).subspan(had));
    if (got < 0) return ReadProblem{whyNot()};
    bytes.resize(had + static_cast<std::size_t>(got));
    if (got == 0) break;
    if (bytes.size() > declared) {
      return ReadProblem{"more data than the " + std::to_string(declared) + " bytes it declares"};
    }
  }
  if (bytes.size() < declared) {
    return ReadProblem{"its data ends after " + std::to_string(bytes.size()) + " of the " +
                       std::to_string(declared) + " bytes it declares"};
  }
  return bytes;
}

std::unique_ptr<RecitationSource> RecitationSource::open(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::directory) return openRecitationFolder(path);
  if (status.type() == fs::file_type::regular) return openRecitationZip(path);
  throw ContentError(path.string() + " is neither a folder nor a zip file");
}

void RecitationSource::index(std::vector<std::string> paths, const std::string& shownPrefix) {
  std::sort(paths.begin(), paths.end());
  std::map<std::pair<int, int>, VerseFile> found;
  for (std::string& path : paths) {
    const auto [surah, verse] = verseOfFileName(path);
    if (surah == 0) continue;
    std::string name = shownPrefix + path;
    const auto first = found.find({surah, verse});
    if (first != found.end() && first->second.path == path) {
      duplicates_.push_back({std::move(name), std::string(kSecondEntry)});
    } else if (first != found.end()) {
      duplicates_.push_back(
          {std::move(name), "the same verse as " + first->second.name + ", which is used"});
    } else {
      found.emplace(std::pair{surah, verse},
                    VerseFile{surah, verse, std::move(path), std::move(name)});
    }
  }
  for (auto& [verse, file] : found) verses_.push_back(std::move(file));
}

}  // namespace hifz::content
