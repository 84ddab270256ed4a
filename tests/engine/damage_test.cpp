#include "engine/damage.h"

#include <gtest/gtest.h>

#include "engine/labels.h"

namespace zelmora {
namespace {

Defender WithAffinities(std::array<std::int32_t, kAffinityCount> affinities) {
  Defender d;
  d.affinities = affinities;
  return d;
}

// 2D6 + 3 = 11.4 before defence; physical defence 5.
struct DamageCase {
  const char* name;
  std::int32_t affinity;
  std::int32_t option_flags;
  double expected[4];
};

TEST(DamageTest, WorkedTableOfTheFourHitTypes) {
  const DamageCase cases[] = {
      {"normal affinity, normal option", kAffNormal, 0, {6.4, 17.8, 11.4, 22.8}},
      {"half option floors 2.5 to 2", kAffNormal, kHalfDefenceFlag, {9.4, 20.8, 11.4, 22.8}},
      {"ignore option", kAffNormal, kIgnoreDefenceFlag, {11.4, 22.8, 11.4, 22.8}},
      {"double affinity", kAffDouble, 0, {17.8, 40.6, 22.8, 45.6}},
      {"half affinity", kAffHalf, 0, {0.7, 6.4, 5.7, 11.4}},
      {"no-damage affinity", kAffNone, 0, {-5, -5, 0, 0}},
      {"plus affinity", kAffPlus, 0, {-5, -5, 0, 0}},
      {"up affinity", kAffUp, 0, {-5, -5, 0, 0}},
      {"both option bits count as half", kAffNormal, 12, {9.4, 20.8, 11.4, 22.8}},
  };
  for (const DamageCase& c : cases) {
    Attacker a;
    a.dice_count = 2;
    a.damage_bonus = 3;
    a.attack_attribute = kAttrSword;
    a.defence_flags = c.option_flags;
    Defender d;
    d.physical_defence = 5;
    d.affinities[kAttrSword] = c.affinity;
    for (int type = 0; type < 4; ++type) {
      EXPECT_NEAR(HitDamage(a, d, {}, static_cast<HitType>(type)), c.expected[type], 1e-12)
          << c.name << ", hit type " << type;
    }
  }
}

TEST(DamageTest, FloorOfTheScaledDefenceGoesTowardMinusInfinity) {
  Attacker a;
  a.dice_count = 1;
  a.attack_attribute = kAttrNeutral;
  Defender d;
  d.physical_defence = 10;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kNormal), 4.2 - 10);
  a.defence_flags = kHalfDefenceFlag;
  d.physical_defence = 7;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kNormal), 4.2 - 3);
  d.physical_defence = -5;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kNormal), 4.2 + 3);
}

TEST(DamageTest, SpecialAttributesResolveOverTheirGroups) {
  Defender only_forbidden = WithAffinities({3, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3});
  EXPECT_EQ(AffinityMultiplier(kAttrPlanets, only_forbidden), 0.0);
  only_forbidden.affinities[kAttrSword] = kAffNormal;
  EXPECT_EQ(AffinityMultiplier(kAttrPlanets, only_forbidden), 1.0);
  EXPECT_EQ(AffinityMultiplier(kAttrPlanets, WithAffinities({2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3})),
            0.5);

  // Five elements ignore 剣 技 心 禁 聖 呪.
  const Defender outside_group = WithAffinities({1, 3, 1, 3, 3, 3, 3, 1, 1, 1, 1});
  EXPECT_EQ(AffinityMultiplier(kAttrFiveElements, outside_group), 0.0);
  EXPECT_EQ(
      AffinityMultiplier(kAttrFiveElements, WithAffinities({3, 3, 3, 3, 3, 3, 1, 3, 3, 3, 3})),
      2.0);

  const Defender all_double = WithAffinities({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(AffinityMultiplier(kAttrNeutral, all_double), 1.0);
  EXPECT_EQ(AffinityMultiplier(kAttrSpecial, all_double), 0.0);
  EXPECT_EQ(AffinityMultiplier(15, all_double), 0.0);
  EXPECT_EQ(AffinityMultiplier(-1, all_double), 0.0);
  EXPECT_EQ(AffinityMultiplier(0, WithAffinities({6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})), 0.0);
}

TEST(DamageTest, EffectiveAffinityPicksTheBestKnownCodeOfAGroup) {
  const Defender only_forbidden = WithAffinities({3, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3});
  EXPECT_EQ(EffectiveAffinity(kAttrPlanets, only_forbidden), kAffNone);
  EXPECT_EQ(EffectiveAffinity(kAttrFiveElements, WithAffinities({1, 5, 1, 4, 9, 9, 9, 1, 1, 1, 1})),
            kAffPlus);
  EXPECT_EQ(EffectiveAffinity(kAttrFiveElements, WithAffinities({0, 9, 0, 9, 9, 9, 9, 0, 0, 0, 0})),
            std::nullopt);
  EXPECT_EQ(EffectiveAffinity(kAttrNeutral, only_forbidden), kAffNormal);
  EXPECT_EQ(EffectiveAffinity(kAttrSpecial, only_forbidden), kAffNone);
  EXPECT_EQ(EffectiveAffinity(kAttrForbidden, only_forbidden), kAffDouble);
  EXPECT_EQ(EffectiveAffinity(15, only_forbidden), std::nullopt);
}

TEST(DamageTest, GlobalBonusesFollowTheDefenceKindAndSkipSpecialJudgments) {
  GlobalModifiers m;
  m.damage_bonus = {10, 20, 0};
  m.defence_bonus = {1, 2, 0};
  Attacker a;
  a.attack_attribute = kAttrNeutral;
  Defender d;
  d.physical_defence = 5;
  d.magic_defence = 7;

  a.judgment_kind = kJudgeMagic;  // judgment kind does not pick the bonus
  EXPECT_DOUBLE_EQ(HitDamage(a, d, m, HitType::kNormal), 10 - (5 + 1));
  a.defence_flags = kDefendMagic;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, m, HitType::kNormal), 20 - (7 + 2));
  a.defence_flags = kDefendNone;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, m, HitType::kNormal), 0);
  a.defence_flags = 3;  // never produced by the editor: no defence, no bonus
  EXPECT_DOUBLE_EQ(HitDamage(a, d, m, HitType::kNormal), 0);

  a.judgment_kind = kJudgeSpecial;
  a.defence_flags = kDefendPhysical;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, m, HitType::kNormal), -5);
}

TEST(DamageTest, SpecialAttributeDealsOnlyMinusTheDefence) {
  Attacker a;
  a.dice_count = 3;
  a.damage_bonus = 9;
  a.attack_attribute = kAttrSpecial;
  a.defence_flags = kHalfDefenceFlag;
  Defender d;
  d.physical_defence = 9;
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kNormal), -4);
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kCritical), -4);
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kPiercing), 0);
  EXPECT_DOUBLE_EQ(HitDamage(a, d, {}, HitType::kCriticalPiercing), 0);
}

}  // namespace
}  // namespace zelmora
