#include "platform/disk_file_system.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string_view>

namespace hifz {
namespace fs = std::filesystem;
namespace {

// Larger files are no movie or text of ours; refusing them keeps a stray
// device or huge file from exhausting memory.
constexpr std::uintmax_t kLargestFile = 512u << 20;

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The entry of `folder` named `component` in any letter case; the exact
// spelling wins, and among several others the first by name.
std::optional<fs::path> findEntry(const fs::path& folder, std::string_view component) {
  std::error_code error;
  const fs::path exact = folder / component;
  if (fs::exists(fs::symlink_status(exact, error))) return exact;
  std::optional<fs::path> found;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (sameIgnoringCase(name, component) && (!found || name < found->filename().string()))
      found = it->path();
  }
  return found;
}

}  // namespace

std::optional<fs::path> resolveProgramPath(const std::string& programPath) {
  std::string unified = programPath;
  std::replace(unified.begin(), unified.end(), '\\', '/');
  if (unified.empty()) return std::nullopt;
  fs::path resolved = unified.front() == '/' ? fs::path("/") : fs::current_path();
  std::string_view rest = unified;
  while (!rest.empty()) {
    const std::size_t slash = rest.find('/');
    const std::string_view component = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    if (component.empty()) continue;
    // No climbing out of a folder: the program never names "." or "..".
    if (component == "." || component == "..") return std::nullopt;
    const auto entry = findEntry(resolved, component);
    if (!entry) return std::nullopt;
    resolved = *entry;
  }
  return resolved;
}

bool DiskFileSystem::folderExists(const std::string& path) const {
  const auto resolved = resolveProgramPath(path);
  std::error_code error;
  return resolved && fs::is_directory(*resolved, error);
}

std::vector<std::string> DiskFileSystem::fileNames(const std::string& folder) const {
  std::vector<std::string> names;
  const auto resolved = resolveProgramPath(folder);
  if (!resolved) return names;
  std::error_code error;
  for (fs::directory_iterator it(*resolved, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
  return names;
}

std::optional<std::vector<std::uint8_t>> DiskFileSystem::readFile(const std::string& path) const {
  const auto resolved = resolveProgramPath(path);
  std::error_code error;
  if (!resolved || !fs::is_regular_file(*resolved, error)) return std::nullopt;
  const auto size = fs::file_size(*resolved, error);
  if (error || size > kLargestFile) return std::nullopt;
  std::ifstream in(*resolved, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
  return bytes;
}

std::optional<std::uintmax_t> DiskFileSystem::fileSize(const std::string& path) const {
  const auto resolved = resolveProgramPath(path);
  std::error_code error;
  if (!resolved || !fs::is_regular_file(*resolved, error)) return std::nullopt;
  const auto size = fs::file_size(*resolved, error);
  if (error) return std::nullopt;
  return size;
}

}  // namespace hifz
