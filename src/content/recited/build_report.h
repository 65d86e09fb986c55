#pragma once

#include <mutex>
#include <string>

#include "content/recited/recited_build.h"

namespace hifz::content {

/// What a build tells: to its listener as it goes, one line at a time from
/// any thread, and into its summary.
class BuildReport {
 public:
  BuildReport(const BuildListener& listener, BuildSummary& summary)
      : listener_(listener), summary_(summary) {}

  /// A file left aside: told as "name: why; skipped".
  void skipped(const std::string& name, const std::string& why);
  /// Told, and kept among the summary's notes.
  void note(const std::string& text);
  /// Told only: what the summary holds in another shape.
  void tell(const std::string& text);

  /// A chapter begun, and one done with how it went.
  void started(const std::string& chapter, int done, int total);
  void finished(const ChapterOutcome& outcome, int done, int total);
  /// Puts the summary's skipped files and notes in order.
  void sort();

 private:
  void told(const std::string& text);

  const BuildListener& listener_;
  BuildSummary& summary_;
  std::mutex mutex_;
};

}  // namespace hifz::content
