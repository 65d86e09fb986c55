#pragma once

#include <filesystem>

#include "platform/take_sound.h"

namespace hifz {

/// Keeps takes as FLAC files (16-bit mono, through libsndfile) in `folder`,
/// made when first needed: "114-005-2024-03-01-080000.flac" is An Nas,
/// verse 5, taken at 08:00:00 local time. Each is written under a hidden
/// name, flushed to the disk and then renamed, so it appears whole or not at
/// all; a take kept again replaces its own file.
class SndfileTakeFiles final : public TakeFiles {
 public:
  explicit SndfileTakeFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

  KeptTake keep(const Take& take) override;

 private:
  std::filesystem::path folder_;
};

/// The takes' folder in the learner's data folder: `$XDG_DATA_HOME/hifz/takes`.
std::filesystem::path takesFolder();

}  // namespace hifz
