#include "movie/load_timing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace hifz {
namespace {

bool loadTimingWanted() {
  static const bool wanted = std::getenv("HIFZ_TIMING") != nullptr;
  return wanted;
}

}  // namespace

void traceLoadStep(const char* step, const QString& slot, int load, const QString& details) {
  if (!loadTimingWanted()) return;
  const auto now = std::chrono::duration<double, std::milli>(
      std::chrono::steady_clock::now().time_since_epoch());
  std::fprintf(stderr, "hifz-timing %.1f %s %s %d %s\n", now.count(), step, qUtf8Printable(slot),
               load, qUtf8Printable(details));
}

}  // namespace hifz
