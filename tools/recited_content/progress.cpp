#include "recited_content/progress.h"

namespace hifz::content {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

Progress::Progress(std::FILE* out, std::FILE* errors, bool terminal)
    : out_(out), errors_(errors), terminal_(terminal) {}

BuildListener Progress::listener() {
  BuildListener listener;
  listener.started = [this](const std::string& chapter, int done, int total) {
    chapter_ = chapter;
    done_ = done;
    total_ = total;
    if (terminal_) drawBar();
  };
  listener.finished = [this](const ChapterOutcome& outcome, int done, int total) {
    done_ = done;
    total_ = total;
    if (terminal_) {
      drawBar();
      return;
    }
    if (outcome.built == 0) {
      std::fprintf(out_, "[%d/%d] %s: no verse, left out\n", done, total, outcome.name.c_str());
    } else {
      std::fprintf(out_, "[%d/%d] %s: %d of %d verses\n", done, total, outcome.name.c_str(),
                   outcome.built, outcome.verses);
    }
    std::fflush(out_);
  };
  listener.problem = [this](const std::string& problem) {
    clearBar();
    std::fprintf(errors_, "%s\n", problem.c_str());
    std::fflush(errors_);
    if (terminal_ && total_ > 0) drawBar();
  };
  return listener;
}

void Progress::finish() { clearBar(); }

void Progress::drawBar() {
  const int filled = total_ == 0 ? 0 : done_ * kBarWidth / total_;
  std::fprintf(out_, "\r\033[K[%s%s] %d/%d %s",
               std::string(static_cast<std::size_t>(filled), '#').c_str(),
               std::string(static_cast<std::size_t>(kBarWidth - filled), '-').c_str(), done_,
               total_, chapter_.c_str());
  std::fflush(out_);
  barShown_ = true;
}

void Progress::clearBar() {
  if (!barShown_) return;
  std::fprintf(out_, "\r\033[K");
  std::fflush(out_);
  barShown_ = false;
}

}  // namespace hifz::content
