#include "fake_file_system.h"

#include <algorithm>
#include <cctype>

namespace hifz::testing {
namespace {

std::string normalised(const std::string& path) {
  std::string out;
  for (char c : path) {
    const char mapped =
        c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (mapped == '/' && !out.empty() && out.back() == '/') continue;
    out += mapped;
  }
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

std::string parentOf(const std::string& normal) {
  const auto slash = normal.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : normal.substr(0, slash);
}

}  // namespace

void FakeFileSystem::addFolder(const std::string& path) {
  for (std::string folder = normalised(path); !folder.empty(); folder = parentOf(folder)) {
    folders_.insert(folder);
    if (folder == "/") break;
  }
}

void FakeFileSystem::addFile(const std::string& path, std::string contents) {
  const std::string key = normalised(path);
  std::string unified = path;
  std::replace(unified.begin(), unified.end(), '\\', '/');
  fileNames_[key] = unified.substr(unified.rfind('/') + 1);
  contents_[key] = std::move(contents);
  addFolder(parentOf(key));
}

bool FakeFileSystem::folderExists(const std::string& path) const {
  return folders_.contains(normalised(path));
}

std::vector<std::string> FakeFileSystem::fileNames(const std::string& folder) const {
  const std::string key = normalised(folder);
  std::vector<std::string> names;
  for (const auto& [path, name] : fileNames_)
    if (parentOf(path) == key) names.push_back(name);
  return names;
}

std::optional<std::vector<std::uint8_t>> FakeFileSystem::readFile(const std::string& path) const {
  const auto found = contents_.find(normalised(path));
  if (found == contents_.end()) return std::nullopt;
  bytesRead_ += found->second.size();
  return std::vector<std::uint8_t>(found->second.begin(), found->second.end());
}

std::optional<std::uintmax_t> FakeFileSystem::fileSize(const std::string& path) const {
  const auto found = contents_.find(normalised(path));
  if (found == contents_.end()) return std::nullopt;
  return found->second.size();
}

}  // namespace hifz::testing
