#pragma once

#include <cstdint>
#include <vector>

#include "platform/progress_store.h"
#include "platform/wall_clock.h"
#include "virtual_clock.h"

namespace hifz::testing {

/// A practice log in memory: every reading logged, in order.
class FakeProgressStore final : public ProgressStore {
 public:
  void log(const Reading& reading) override { readings.push_back(reading); }
  std::vector<Reading> readings;
};

/// The time of day moving with a virtual clock, from `epoch` on.
class VirtualWallClock final : public WallClock {
 public:
  VirtualWallClock(const VirtualClock& clock, std::int64_t epoch) : clock_(clock), epoch_(epoch) {}
  std::int64_t now() const override { return epoch_ + clock_.now(); }

 private:
  const VirtualClock& clock_;
  std::int64_t epoch_;
};

}  // namespace hifz::testing
