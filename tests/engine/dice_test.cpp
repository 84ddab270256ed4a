#include "engine/dice.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

// Outcome counts of one judgment found by rolling every ordered pair of dice,
// independently of the closed formulas.
struct Counted {
  int success = 0, critical = 0, fumble = 0;
};

Counted CountOutcomes(int v) {
  Counted c;
  for (int d1 = 0; d1 < 10; ++d1) {
    for (int d2 = 0; d2 < 10; ++d2) {
      const int read = 10 * std::min(d1, d2) + std::max(d1, d2);
      const bool success = read == 0 || (read != 99 && read <= v);
      const bool is_double = d1 == d2;
      c.success += success;
      c.critical += success && is_double;
      c.fumble += !success && is_double;
    }
  }
  return c;
}

TEST(DiceTest, CountingFunctionsMatchEveryRollOfTheDice) {
  for (int v = -20; v <= 120; ++v) {
    const Counted c = CountOutcomes(v);
    EXPECT_EQ(SuccessPercent(v), c.success) << "v=" << v;
    EXPECT_EQ(CriticalPercent(v), c.critical) << "v=" << v;
    EXPECT_EQ(10 - CriticalPercent(v), c.fumble) << "v=" << v;
  }
}

TEST(DiceTest, WorkedTableOfSuccessAndCritical) {
  struct Row {
    int v, s, c;
  };
  for (const Row& r :
       {Row{-5, 1, 1}, Row{0, 1, 1}, Row{1, 3, 1}, Row{10, 19, 1}, Row{11, 20, 2}, Row{25, 43, 3},
        Row{33, 52, 4}, Row{50, 75, 5}, Row{55, 76, 6}, Row{70, 91, 7}, Row{80, 96, 8},
        Row{88, 97, 9}, Row{90, 99, 9}, Row{98, 99, 9}, Row{99, 99, 9}, Row{1000, 99, 9}}) {
    EXPECT_EQ(SuccessPercent(r.v), r.s) << "v=" << r.v;
    EXPECT_EQ(CriticalPercent(r.v), r.c) << "v=" << r.v;
  }
  EXPECT_EQ(CriticalPercent(1), 1);
  EXPECT_EQ(SuccessPercent(INT64_MIN), 1);
  EXPECT_EQ(SuccessPercent(INT64_MAX), 99);
}

TEST(DiceTest, OutcomeSharesAreNonNegativeAndAddUpToHundred) {
  for (int v = -20; v <= 120; ++v) {
    const int s = SuccessPercent(v), c = CriticalPercent(v);
    const int shares[] = {c, s - c, 10 - c, 90 - s + c};
    int sum = 0;
    for (int share : shares) {
      EXPECT_GE(share, 0) << "v=" << v;
      sum += share;
    }
    EXPECT_EQ(sum, 100) << "v=" << v;
  }
}

TEST(DiceTest, HitPercentCountsEveryPairOfRollsAndEqualsTheFiveShares) {
  for (int a = -20; a <= 120; ++a) {
    const Counted attack = CountOutcomes(a);
    for (int b = -20; b <= 120; ++b) {
      const Counted evasion = CountOutcomes(b);
      // A normal success gets through unless the evasion succeeds; a critical
      // unless the evasion is a critical.
      const int through = (attack.success - attack.critical) * (100 - evasion.success) +
                          attack.critical * (100 - evasion.critical);
      const double hit = HitPercent(a, b);
      ASSERT_EQ(hit, through * 0.01) << a << " vs " << b;
      ASSERT_GE(hit, 0.91);
      const JointShares s = HitShares(a, b);
      const double sum = s.critical_vs_failure + s.critical_vs_success + s.critical_vs_fumble +
                         s.success_vs_failure + s.success_vs_fumble;
      ASSERT_NEAR(100 * sum, hit, 1e-9) << a << " vs " << b;
    }
  }
}

TEST(DiceTest, BestTechniqueWorkedValues) {
  struct Row {
    int a0, b0;
    double plain;
    int penalty;
    double best;
  };
  for (const Row& r :
       {Row{50, 30, 39.15, 10, 42.32}, Row{50, 50, 22.25, 20, 26.43}, Row{70, 40, 36.96, 30, 52.56},
        Row{80, 80, 10.88, 50, 26.43}, Row{30, 70, 7.11, 10, 7.32}, Row{99, 99, 9.09, 50, 22.25}}) {
    EXPECT_DOUBLE_EQ(HitPercent(r.a0, r.b0), r.plain) << r.a0 << " vs " << r.b0;
    const Technique t = FindBestTechnique(r.a0, r.b0);
    EXPECT_EQ(t.penalty, r.penalty) << r.a0 << " vs " << r.b0;
    EXPECT_DOUBLE_EQ(t.hit_percent, r.best) << r.a0 << " vs " << r.b0;
  }
}

TEST(DiceTest, BestTechniqueEvaluatesStepsBelowZeroAndPrefersTheSmallerPenaltyOnTies) {
  // With a0 = 5 every step still counts; the attacker's value goes to -45.
  const Technique low = FindBestTechnique(5, 95);
  double best = 0;
  int best_penalty = 0;
  for (int p = 0; p <= 50; p += 10) {
    if (HitPercent(5 - p, 95 - p) > best) best = HitPercent(5 - p, 95 - p), best_penalty = p;
  }
  EXPECT_EQ(low.penalty, best_penalty);
  EXPECT_EQ(low.hit_percent, best);
  // Both values clamped at every step: all six chances tie, the first wins.
  EXPECT_EQ(FindBestTechnique(-100, -100).penalty, 0);
  EXPECT_EQ(FindBestTechnique(INT32_MIN, INT32_MIN).penalty, 0);
}

TEST(DiceTest, DetailFiguresOfTheWorkedPairing) {
  const DetailFigures at0 = DetailFiguresAt(50, 30);
  EXPECT_DOUBLE_EQ(at0.attacker_fumble, 5.0);
  EXPECT_DOUBLE_EQ(at0.critical, 2.45);
  EXPECT_DOUBLE_EQ(at0.piercing, 4.90);
  EXPECT_DOUBLE_EQ(at0.critical_piercing, 0.35);
  const DetailFigures at10 = DetailFiguresAt(40, 20);
  EXPECT_DOUBLE_EQ(at10.attacker_fumble, 6.0);
  EXPECT_DOUBLE_EQ(at10.critical, 2.56);
  EXPECT_DOUBLE_EQ(at10.piercing, 4.80);
  EXPECT_DOUBLE_EQ(at10.critical_piercing, 0.32);
  EXPECT_DOUBLE_EQ(HitPercent(30, 10), 41.85);
}

}  // namespace
}  // namespace zelmora
