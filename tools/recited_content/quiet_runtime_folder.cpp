#include "recited_content/quiet_runtime_folder.h"

#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace hifz::content {

namespace fs = std::filesystem;

QuietRuntimeFolder::QuietRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0') return;
  std::error_code error;
  std::string pattern = (fs::temp_directory_path(error) / "hifz-build-content-XXXXXX").string();
  // mkdtemp's 0700 is what Qt asks of a runtime folder.
  if (error || mkdtemp(pattern.data()) == nullptr) return;
  made_ = pattern;
  setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

QuietRuntimeFolder::~QuietRuntimeFolder() {
  if (made_.empty()) return;
  std::error_code ignored;
  fs::remove_all(made_, ignored);
}

}  // namespace hifz::content
