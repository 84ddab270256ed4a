#pragma once

#include <cstdint>

// Exact chances of the percentile judgment: two ten-sided dice read with the
// smaller die as the tens digit; a judgment at v succeeds when the read result
// is at most v, and a double is a critical when it succeeds, a fumble when it
// fails. Values are 64-bit so that a 32-bit field plus a 32-bit bonus, minus a
// technique penalty, can never overflow; the counting functions clamp anyway.
namespace zelmora {

// S(v), 1 to 99: chance in percent that a judgment at v succeeds.
std::int32_t SuccessPercent(std::int64_t v);
// C(v), 1 to 9: chance in percent that it is a critical.
std::int32_t CriticalPercent(std::int64_t v);

// Chance in percent that an attack judged at a gets through an evasion
// judged at b.
double HitPercent(std::int64_t a, std::int64_t b);

// The five ways an attack at a gets through an evasion at b, as fractions of
// all rolls. They add up to HitPercent(a, b) / 100.
struct JointShares {
  double critical_vs_failure = 0;  // hit type 1
  double critical_vs_success = 0;  // hit type 0: a critical meeting a normal evasion success
  double critical_vs_fumble = 0;   // hit type 3
  double success_vs_failure = 0;   // hit type 0
  double success_vs_fumble = 0;    // hit type 2
};
JointShares HitShares(std::int64_t a, std::int64_t b);

// The roll chances of the detail dialog, in percent.
struct DetailFigures {
  double attacker_fumble = 0;    // 10 - C(a)
  double critical = 0;           // "クリット": a critical against any evasion failure
  double piercing = 0;           // "ＰＨ": a normal success against an evasion fumble
  double critical_piercing = 0;  // "ＣＲＰＨ": a critical against an evasion fumble
};
DetailFigures DetailFiguresAt(std::int64_t a, std::int64_t b);

// An advanced technique lowers both values by its penalty (0 to 50 in steps
// of 10); the best is the one with the highest hit chance, ties going to the
// smaller penalty.
struct Technique {
  std::int32_t penalty = 0;
  double hit_percent = 0;
};
inline constexpr int kTechniqueSteps = 6;
inline constexpr std::int32_t kTechniqueStep = 10;
Technique FindBestTechnique(std::int64_t a0, std::int64_t b0);

}  // namespace zelmora
