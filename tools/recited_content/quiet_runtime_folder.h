#pragma once

#include <filesystem>

namespace hifz::content {

/// Qt warns on stderr when XDG_RUNTIME_DIR is not set, as under sudo, cron or
/// a bare container. The command needs no session's runtime folder: without
/// one it gets a private folder of its own while it runs (before the Qt
/// application is made), and nothing is said.
class QuietRuntimeFolder {
 public:
  QuietRuntimeFolder();
  ~QuietRuntimeFolder();
  QuietRuntimeFolder(const QuietRuntimeFolder&) = delete;
  QuietRuntimeFolder& operator=(const QuietRuntimeFolder&) = delete;

 private:
  std::filesystem::path made_;
};

}  // namespace hifz::content
