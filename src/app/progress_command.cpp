#include "progress_command.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <string_view>
#include <variant>

#include "platform/progress_transfer.h"
#include "platform/stderr_diagnostics.h"

namespace hifz {

std::string practiceLogPath() {
  return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
          "/hifz/progress.sqlite")
      .toStdString();
}

std::optional<int> runProgressCommand(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option != "--export-progress" && option != "--import-progress") return std::nullopt;
  if (argc != 3) {
    std::fprintf(stderr, "hifz: %s takes one file, and nothing else\n", argv[1]);
    return 2;
  }
  QCoreApplication terminal(argc, argv);
  const std::string file = argv[2];
  StderrDiagnostics diagnostics;
  if (option == "--export-progress") {
    const std::string error = exportProgress(practiceLogPath(), file, diagnostics);
    if (!error.empty()) {
      std::fprintf(stderr, "hifz: %s\n", error.c_str());
      return 1;
    }
    std::printf("hifz: progress exported to %s\n", file.c_str());
    return 0;
  }
  const auto imported = importProgress(practiceLogPath(), file, diagnostics);
  if (const auto* error = std::get_if<std::string>(&imported)) {
    std::fprintf(stderr, "hifz: %s\n", error->c_str());
    return 1;
  }
  const ImportCounts& counts = std::get<ImportCounts>(imported);
  std::printf(
      "hifz: imported from %s what this machine lacked: readings %d, grades %d, "
      "passage schedules %d\n",
      file.c_str(), counts.readings, counts.reviews, counts.cards);
  return 0;
}

}  // namespace hifz
