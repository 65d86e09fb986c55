#include "platform/app_folder.h"

#include <cstdlib>

#include "platform/disk_file_system.h"

namespace hifz {
namespace fs = std::filesystem;
namespace {

// Tidied so that the program's paths, the folder followed by "\data\", stay plain.
fs::path tidy(const fs::path& folder) {
  fs::path normal = folder.lexically_normal();
  if (normal.has_relative_path() && normal.filename().empty()) normal = normal.parent_path();
  return normal;
}

bool holdsDataFolder(const fs::path& folder) {
  if (folder.empty()) return false;
  const auto data = resolveProgramPath(tidy(folder).string() + "/data");
  std::error_code error;
  return data && fs::is_directory(*data, error);
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

// Relative values are not meant for $XDG_DATA_HOME; the default stands for them.
fs::path userContentFolder(const ContentPlaces& places) {
  if (!places.xdgDataHome.empty() && fs::path(places.xdgDataHome).is_absolute())
    return fs::path(places.xdgDataHome) / "hifz";
  if (!places.home.empty()) return fs::path(places.home) / ".local/share/hifz";
  return {};
}

fs::path chooseAppFolder(const ContentPlaces& places) {
  const fs::path user = userContentFolder(places);
  if (holdsDataFolder(user)) return tidy(user);
  if (holdsDataFolder(places.programFolder)) return tidy(places.programFolder);
  return tidy(places.installedContent);
}

ContentPlaces contentPlaces(const fs::path& programFolder) {
  return {programFolder, environment("XDG_DATA_HOME"), environment("HOME"),
          programFolder / HIFZ_INSTALLED_CONTENT};
}

}  // namespace hifz
