#pragma once

#include <cstdio>

#include "platform/diagnostics.h"

namespace hifz {

/// Each line on standard error, after the program's name, as its other notes.
class StderrDiagnostics final : public Diagnostics {
 public:
  void report(const std::string& line) override {
    std::fprintf(stderr, "hifz: %s\n", line.c_str());
  }
};

}  // namespace hifz
