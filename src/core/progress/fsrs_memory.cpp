#include "progress/fsrs_memory.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hifz::fsrs {
namespace {

constexpr std::array<double, 21> kW = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                       0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                       1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double kMinStability = 0.001;
constexpr double kMaxDays = 36500;
constexpr double kRequestedRetention = 0.9;

// JavaScript's Math.round: halves go up, also below zero (difficulties are).
double jsRound(double x) {
  const double down = std::floor(x);
  return x - down >= 0.5 ? down + 1 : down;
}

double round8(double x) { return jsRound(x * 1e8) / 1e8; }

double decay() { return -kW[20]; }

double factor() { return round8(std::exp(1 / decay() * std::log(0.9)) - 1); }

double intervalModifier() {
  return round8((std::pow(kRequestedRetention, 1 / decay()) - 1) / factor());
}

double gradeValue(Grade grade) { return static_cast<double>(grade); }

double initialDifficulty(Grade grade) {
  return round8(kW[4] - std::exp((gradeValue(grade) - 1) * kW[5]) + 1);
}

double nextDifficulty(double d, Grade grade) {
  const double delta = -kW[6] * (gradeValue(grade) - 3);
  const double damped = d + round8(delta * (10 - d) / 9);
  // Mean reversion towards the difficulty of a first "easy".
  const double reverted = round8(kW[7] * initialDifficulty(Grade::Easy) + (1 - kW[7]) * damped);
  return std::clamp(reverted, 1.0, 10.0);
}

double recallStability(double d, double s, double r, Grade grade) {
  const double hardPenalty = grade == Grade::Hard ? kW[15] : 1;
  const double easyBonus = grade == Grade::Easy ? kW[16] : 1;
  return round8(std::clamp(s * (1 + std::exp(kW[8]) * (11 - d) * std::pow(s, -kW[9]) *
                                        (std::exp((1 - r) * kW[10]) - 1) * hardPenalty * easyBonus),
                           kMinStability, kMaxDays));
}

double forgetStability(double d, double s, double r) {
  const double after = round8(std::clamp(
      kW[11] * std::pow(d, -kW[12]) * (std::pow(s + 1, kW[13]) - 1) * std::exp((1 - r) * kW[14]),
      kMinStability, kMaxDays));
  const double floor = round8(s / std::exp(kW[17] * kW[18]));
  return std::min(std::max(floor, kMinStability), after);
}

double shortTermStability(double s, Grade grade) {
  const double growth = std::pow(s, -kW[19]) * std::exp(kW[17] * (gradeValue(grade) - 3 + kW[18]));
  const double masked = grade >= Grade::Hard ? std::max(growth, 1.0) : growth;
  return round8(std::clamp(s * masked, kMinStability, kMaxDays));
}

}  // namespace

double retrievability(double elapsedDays, double stability) {
  return round8(std::pow(1 + factor() * elapsedDays / stability, decay()));
}

Memory first(Grade grade) {
  return {std::max(kW[static_cast<int>(grade) - 1], 0.1),
          std::clamp(initialDifficulty(grade), 1.0, 10.0)};
}

Memory next(const Memory& memory, int elapsedDays, Grade grade) {
  const double d = memory.difficulty;
  const double s = memory.stability;
  double stability = 0;
  if (elapsedDays == 0)
    stability = shortTermStability(s, grade);
  else if (grade == Grade::Again)
    stability = forgetStability(d, s, retrievability(elapsedDays, s));
  else
    stability = recallStability(d, s, retrievability(elapsedDays, s), grade);
  return {stability, nextDifficulty(d, grade)};
}

int interval(double stability) {
  return static_cast<int>(
      std::min(std::max(1.0, jsRound(stability * intervalModifier())), kMaxDays));
}

}  // namespace hifz::fsrs
