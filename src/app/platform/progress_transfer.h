#pragma once

#include <string>
#include <variant>

#include "platform/diagnostics.h"

namespace hifz {

/// What an exported progress file says it is, in SQLite's application_id: "HFZP".
inline constexpr int kProgressFileKind = 0x48465a50;

/// The largest file an import reads.
inline constexpr long long kLargestProgressFile = 256LL << 20;

/// What an import added to the log.
struct ImportCounts {
  int readings = 0;
  int reviews = 0;
  int cards = 0;
};

/// Writes the practice log at `log` (made when it does not exist; a log that
/// cannot be used is set aside and told to `diagnostics`) into the new
/// file `file`, one SQLite database marked as the program's progress. Never
/// writes over a file that exists. Empty on success, else what went wrong.
std::string exportProgress(const std::string& log, const std::string& file,
                           Diagnostics& diagnostics);

/// Adds the progress in `file` to the log at `log`: readings and reviews the
/// log does not hold yet, and each card the file holds a later review of.
/// The file is checked whole first (its kind, version, integrity and every
/// row), then added in one transaction: all of it or nothing. What was added,
/// or what is wrong with the file.
std::variant<ImportCounts, std::string> importProgress(const std::string& log,
                                                       const std::string& file,
                                                       Diagnostics& diagnostics);

}  // namespace hifz
