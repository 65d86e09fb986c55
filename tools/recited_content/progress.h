#pragma once

#include <cstdio>
#include <string>

#include "content/recited/recited_build.h"

namespace hifz::content {

/// Tells how a build goes: on a terminal, a bar with the chapter being built,
/// redrawn in place; otherwise one line per chapter. Problems go to `errors`,
/// each on a line of its own.
class Progress {
 public:
  Progress(std::FILE* out, std::FILE* errors, bool terminal);

  /// Listens to a build.
  BuildListener listener();
  /// Clears the bar, before the closing lines.
  void finish();

 private:
  void drawBar();
  void clearBar();

  std::FILE* out_;
  std::FILE* errors_;
  bool terminal_;
  int done_ = 0;
  int total_ = 0;
  std::string chapter_;
  bool barShown_ = false;
};

}  // namespace hifz::content
