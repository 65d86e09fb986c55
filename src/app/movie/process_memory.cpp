#include "movie/process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace hifz {

std::optional<double> proportionalMegabytes(qint64 pid) {
  if (pid <= 0) return std::nullopt;
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  std::string line;
  while (std::getline(rollup, line)) {
    if (line.rfind("Pss:", 0) != 0) continue;
    std::istringstream fields(line.substr(4));
    double kilobytes = 0;
    if (fields >> kilobytes) return kilobytes / 1024;
  }
  return std::nullopt;
}

}  // namespace hifz
