#include "engine/dice.h"

namespace zelmora {

std::int32_t SuccessPercent(std::int64_t v) {
  if (v >= 99) return 99;  // the roll 99 always fails
  if (v <= 0) return 1;    // only 00
  const auto tens = static_cast<std::int32_t>(v / 10);
  const auto units = static_cast<std::int32_t>(v % 10);
  // Outcomes whose smaller die is below `tens`, plus those whose smaller die
  // is `tens` and whose larger die is at most `units`.
  const std::int32_t lower = 100 - (10 - tens) * (10 - tens);
  const std::int32_t same = units >= tens ? 2 * (units - tens) + 1 : 0;
  return lower + same;
}

std::int32_t CriticalPercent(std::int64_t v) {
  if (v >= 99) return 9;  // the double 99 is never a critical
  if (v <= 1) return 1;   // the double 00 always is
  const auto tens = static_cast<std::int32_t>(v / 10);
  const auto units = static_cast<std::int32_t>(v % 10);
  return units >= tens ? tens + 1 : tens;
}

double HitPercent(std::int64_t a, std::int64_t b) {
  const std::int32_t sa = SuccessPercent(a), ca = CriticalPercent(a);
  const std::int32_t sb = SuccessPercent(b), cb = CriticalPercent(b);
  return ((sa - ca) * (100 - sb) + ca * (100 - cb)) * 0.01;
}

JointShares HitShares(std::int64_t a, std::int64_t b) {
  const std::int32_t sa = SuccessPercent(a), ca = CriticalPercent(a);
  const std::int32_t sb = SuccessPercent(b), cb = CriticalPercent(b);
  const std::int32_t evade_failure = 90 - sb + cb;
  const std::int32_t evade_success = sb - cb;
  const std::int32_t evade_fumble = 10 - cb;
  return {ca * evade_failure * 0.0001, ca * evade_success * 0.0001, ca * evade_fumble * 0.0001,
          (sa - ca) * evade_failure * 0.0001, (sa - ca) * evade_fumble * 0.0001};
}

DetailFigures DetailFiguresAt(std::int64_t a, std::int64_t b) {
  const std::int32_t sa = SuccessPercent(a), ca = CriticalPercent(a);
  const std::int32_t sb = SuccessPercent(b), cb = CriticalPercent(b);
  return {static_cast<double>(10 - ca), ca * (100 - sb) * 0.01, (sa - ca) * (10 - cb) * 0.01,
          ca * (10 - cb) * 0.01};
}

Technique FindBestTechnique(std::int64_t a0, std::int64_t b0) {
  Technique best;
  for (int step = 0; step < kTechniqueSteps; ++step) {
    const std::int64_t penalty = std::int64_t{kTechniqueStep} * step;
    const double r = HitPercent(a0 - penalty, b0 - penalty);
    if (r > best.hit_percent) best = {static_cast<std::int32_t>(penalty), r};
  }
  return best;
}

}  // namespace zelmora
