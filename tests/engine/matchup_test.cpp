#include "engine/matchup.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/dice.h"
#include "engine/labels.h"
#include "tests/support/sample_records.h"

namespace zelmora {
namespace {

// The worked pairing: 50 with 2D6+3 against melee evasion 30, defence 5.
using testing::WorkedAttacker;
using testing::WorkedDefender;

TEST(MatchupTest, WorkedPairingAndItsVariants) {
  const Defender d = WorkedDefender();
  Attacker a = WorkedAttacker();
  const AttackerSummary summary = SummarizeAttacker(a, {});
  EXPECT_EQ(summary.success_percent, 75);
  EXPECT_DOUBLE_EQ(summary.damage_expectation, 11.4);

  MatchupResult r = ResultOf(a, d, {});
  EXPECT_EQ(r.technique, "-10");
  EXPECT_DOUBLE_EQ(r.attack_chance, 42.32);
  EXPECT_NEAR(r.expected_damage, 3.25632, 1e-12);

  a.auto_trigger = 1;
  r = ResultOf(a, d, {});
  EXPECT_EQ(r.technique, "A");
  EXPECT_DOUBLE_EQ(r.attack_chance, 49);
  EXPECT_NEAR(r.expected_damage, 3.486, 1e-12);

  a.auto_trigger = 2;  // only the flag 1 auto-triggers
  EXPECT_EQ(ResultOf(a, d, {}).technique, "-10");

  a = WorkedAttacker();
  a.attack_count = 3;
  r = ResultOf(a, d, {});
  EXPECT_DOUBLE_EQ(r.attack_chance, 42.32);
  EXPECT_NEAR(r.expected_damage, 9.76896, 1e-12);
  a.attack_count = -1;
  EXPECT_NEAR(ResultOf(a, d, {}).expected_damage, -3.25632, 1e-12);
  a.attack_count = 0;
  EXPECT_EQ(ResultOf(a, d, {}).expected_damage, 0);

  a = WorkedAttacker();
  a.evasion_kind = kEvadeNone;
  r = ResultOf(a, d, {});
  EXPECT_EQ(r.technique, "-0");
  EXPECT_DOUBLE_EQ(r.attack_chance, 75);
  EXPECT_NEAR(r.expected_damage, 5.6538, 1e-12);
  a.auto_trigger = 1;  // 100 - S(0) = 99 beats 75
  r = ResultOf(a, d, {});
  EXPECT_EQ(r.technique, "A");
  EXPECT_DOUBLE_EQ(r.attack_chance, 99);
}

TEST(MatchupTest, AutoTriggerTieKeepsTheRoll) {
  // Evasion 75 -> 100 - S(75) = 100 - 93 = 7; choose an attacker whose best
  // roll is exactly 7 or better and check "A" only when strictly beaten.
  Attacker a;
  a.auto_trigger = 1;
  a.attack_attribute = kAttrNeutral;
  Defender d;
  for (int value = -10; value <= 110; ++value) {
    for (int evasion = 1; evasion <= 110; evasion += 7) {
      a.judgment_value = value;
      d.melee_evasion = evasion;
      const Technique t = FindBestTechnique(value, evasion);
      const bool expect_auto = 100 - SuccessPercent(evasion) > t.hit_percent;
      ASSERT_EQ(ResultOf(a, d, {}).technique == "A", expect_auto) << value << " vs " << evasion;
    }
  }
}

TEST(MatchupTest, ModifiersApplyByKindAndNeverToSpecialJudgments) {
  GlobalModifiers m;
  m.hit_bonus = {10, 0, 0};
  m.evasion_bonus = {-10, 0, 0, 0};
  Attacker a = WorkedAttacker();
  Defender d = WorkedDefender();
  // 60 against 20: the same as an unmodified 60 against 20.
  Attacker plain = a;
  plain.judgment_value = 60;
  Defender plain_d = d;
  plain_d.melee_evasion = 20;
  EXPECT_EQ(ResultOf(a, d, m), ResultOf(plain, plain_d, {}));

  a.judgment_kind = kJudgeSpecial;
  GlobalModifiers everything;
  everything.hit_bonus = {50, 50, 50};
  everything.damage_bonus = {10, 10, 10};
  everything.defence_bonus = {10, 10, 10};
  everything.evasion_bonus = {40, 40, 40, 40};
  EXPECT_EQ(ResultOf(a, d, everything), ResultOf(a, d, {}));

  // The summary indexes both arrays by the judgment kind.
  Attacker physical_judgment = WorkedAttacker();
  physical_judgment.defence_flags = kDefendMagic;
  GlobalModifiers damage;
  damage.damage_bonus = {1, 100, 0};
  EXPECT_DOUBLE_EQ(SummarizeAttacker(physical_judgment, damage).damage_expectation, 12.4);
}

TEST(MatchupTest, SpecialAttributeGivesNegativeExpectedDamage) {
  Attacker a = WorkedAttacker();
  a.attack_attribute = kAttrSpecial;
  Defender d = WorkedDefender();
  d.physical_defence = 10;
  const JointShares s = HitShares(40, 20);
  const double expected =
      -10 * (s.critical_vs_failure + s.critical_vs_success + s.success_vs_failure);
  EXPECT_NEAR(ResultOf(a, d, {}).expected_damage, expected, 1e-12);
  EXPECT_LT(ResultOf(a, d, {}).expected_damage, 0);
}

TEST(MatchupTest, ExtremeValuesInEveryFieldComputeWithoutOverflow) {
  constexpr std::int32_t kExtremes[] = {std::numeric_limits<std::int32_t>::min(), -1, 0,
                                        std::numeric_limits<std::int32_t>::max()};
  for (std::int32_t x : kExtremes) {
    for (std::int32_t y : kExtremes) {
      Attacker a;
      a.judgment_value = x;
      a.dice_count = x;
      a.damage_bonus = y;
      a.judgment_kind = y;
      a.defence_flags = x;
      a.attack_attribute = y;
      a.evasion_kind = x;
      a.attack_count = y;
      a.auto_trigger = x;
      Defender d;
      d.melee_evasion = d.ranged_evasion = d.magic_evasion = y;
      d.physical_defence = d.magic_defence = x;
      d.affinities.fill(y);
      GlobalModifiers m;
      m.hit_bonus.fill(y);
      m.damage_bonus.fill(y);
      m.defence_bonus.fill(y);
      m.evasion_bonus.fill(y);
      for (int kind = 0; kind < 4; ++kind) {
        a.evasion_kind = kind;
        a.judgment_kind = kind % 3;
        a.defence_flags = kind;
        const MatchupResult r = ResultOf(a, d, m);
        EXPECT_GE(r.attack_chance, 0.91);
        EXPECT_LE(r.attack_chance, 99);
        SummarizeAttacker(a, m);
      }
    }
  }
}

}  // namespace
}  // namespace zelmora
