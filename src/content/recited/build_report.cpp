#include "content/recited/build_report.h"

#include <algorithm>

namespace hifz::content {

void BuildReport::skipped(const std::string& name, const std::string& why) {
  const std::lock_guard lock(mutex_);
  summary_.skipped.push_back({name, why});
  told(name + ": " + why + "; skipped");
}

void BuildReport::note(const std::string& text) {
  const std::lock_guard lock(mutex_);
  summary_.notes.push_back(text);
  told(text);
}

void BuildReport::tell(const std::string& text) {
  const std::lock_guard lock(mutex_);
  told(text);
}

void BuildReport::started(const std::string& chapter, int done, int total) {
  const std::lock_guard lock(mutex_);
  if (listener_.started) listener_.started(chapter, done, total);
}

void BuildReport::finished(const ChapterOutcome& outcome, int done, int total) {
  const std::lock_guard lock(mutex_);
  if (listener_.finished) listener_.finished(outcome, done, total);
}

void BuildReport::sort() {
  const std::lock_guard lock(mutex_);
  // Chapters are built side by side: their order of telling is chance's.
  std::sort(summary_.skipped.begin(), summary_.skipped.end(),
            [](const SkippedFile& a, const SkippedFile& b) { return a.name < b.name; });
  std::sort(summary_.notes.begin(), summary_.notes.end());
}

void BuildReport::told(const std::string& text) {
  if (listener_.problem) listener_.problem(text);
}

}  // namespace hifz::content
