#include "recitation/held_arrow.h"

#include <utility>

namespace hifz {
namespace {

constexpr std::int64_t kFirstStepAfter = 500;
constexpr std::int64_t kSlowStep = 150;
constexpr std::int64_t kFastStep = 50;
constexpr int kSlowSteps = 5;

}  // namespace

HeldArrow::HeldArrow(Clock& clock, std::function<bool()> step)
    : clock_(clock), step_(std::move(step)) {}

HeldArrow::~HeldArrow() { released(); }

void HeldArrow::pressed() {
  released();
  heldSteps_ = 0;
  holding_ = true;
  schedule(kFirstStepAfter);
}

void HeldArrow::released() {
  if (!holding_) return;
  holding_ = false;
  clock_.cancel(pending_);
}

void HeldArrow::clicked() {
  released();
  if (heldSteps_ == 0) step_();
  heldSteps_ = 0;
}

void HeldArrow::schedule(std::int64_t delayMs) {
  pending_ = clock_.callAfter(delayMs, [this] { stepAgain(); });
}

void HeldArrow::stepAgain() {
  ++heldSteps_;
  if (!step_()) {
    holding_ = false;
    return;
  }
  schedule(heldSteps_ < kSlowSteps ? kSlowStep : kFastStep);
}

}  // namespace hifz
