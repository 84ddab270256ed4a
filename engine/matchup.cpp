#include "engine/matchup.h"

#include "engine/damage.h"
#include "engine/dice.h"
#include "engine/labels.h"
#include "engine/text.h"

namespace zelmora {

std::int32_t EvasionAgainst(const Defender& defender, std::int32_t evasion_kind) {
  switch (evasion_kind) {
    case kEvadeMelee:
      return defender.melee_evasion;
    case kEvadeRanged:
      return defender.ranged_evasion;
    case kEvadeMagic:
      return defender.magic_evasion;
    default:
      return 0;
  }
}

Evaluation EvaluateMatchup(const Attacker& attacker, const Defender& defender,
                           const GlobalModifiers& modifiers) {
  const bool apply = ModifiersApply(attacker);
  std::int64_t a0 = attacker.judgment_value;
  std::int64_t b0 = EvasionAgainst(defender, attacker.evasion_kind);
  if (apply) {
    a0 += BonusOf(modifiers.hit_bonus, attacker.judgment_kind);
    b0 += BonusOf(modifiers.evasion_bonus, attacker.evasion_kind);
  }

  Technique technique = FindBestTechnique(a0, b0);
  if (b0 == 0) technique = {0, static_cast<double>(SuccessPercent(a0))};

  Evaluation result;
  const std::int32_t evasion_success = SuccessPercent(b0);
  const std::int32_t evasion_critical = CriticalPercent(b0);
  const double auto_chance = 100 - evasion_success;
  result.auto_triggered = attacker.auto_trigger == 1 && auto_chance > technique.hit_percent;

  const HitDamages damage = DamagesOfHits(attacker, defender, modifiers);
  const double normal = damage[HitType::kNormal];
  const double piercing = damage[HitType::kPiercing];
  if (result.auto_triggered) {
    // No attack roll: a plain evasion failure lets a normal hit through, an
    // evasion fumble a piercing one; there is no critical.
    result.attack_chance = auto_chance;
    result.damage_per_attack = normal * (90 - evasion_success + evasion_critical) * 0.01 +
                               piercing * (10 - evasion_critical) * 0.01;
    return result;
  }
  result.attack_chance = technique.hit_percent;
  result.penalty = technique.penalty;
  const double critical = damage[HitType::kCritical];
  const double critical_piercing = damage[HitType::kCriticalPiercing];
  const JointShares s = HitShares(a0 - technique.penalty, b0 - technique.penalty);
  result.damage_per_attack = s.critical_vs_failure * critical + s.critical_vs_success * normal +
                             s.critical_vs_fumble * critical_piercing +
                             s.success_vs_failure * normal + s.success_vs_fumble * piercing;
  return result;
}

AttackerSummary SummarizeAttacker(const Attacker& attacker, const GlobalModifiers& modifiers) {
  // Both global arrays are indexed by the judgment kind here; entry 2 is 0,
  // so "特殊" adds nothing.
  const std::int64_t value =
      std::int64_t{attacker.judgment_value} + BonusOf(modifiers.hit_bonus, attacker.judgment_kind);
  const std::int64_t bonus =
      std::int64_t{attacker.damage_bonus} + BonusOf(modifiers.damage_bonus, attacker.judgment_kind);
  return {SuccessPercent(value), BaseDamage(attacker.dice_count, bonus)};
}

MatchupResult ResultOf(const Attacker& attacker, const Defender& defender,
                       const GlobalModifiers& modifiers) {
  const Evaluation e = EvaluateMatchup(attacker, defender, modifiers);
  return {e.attack_chance, e.auto_triggered ? kAutoTriggerText : TechniqueText(e.penalty),
          e.damage_per_attack * attacker.attack_count};
}

std::string TechniqueText(std::int32_t penalty) { return "-" + FormatInt(penalty); }

MatchupDetail DetailOf(const Attacker& attacker, const Defender& defender) {
  MatchupDetail detail;
  detail.judgment_value = attacker.judgment_value;
  detail.evasion_value = EvasionAgainst(defender, attacker.evasion_kind);
  const std::int64_t b = detail.evasion_value;
  // Auto-trigger needs no attack roll: only the evasion roll counts.
  if (attacker.auto_trigger == 1) {
    detail.auto_trigger = RollChances{.hit_percent = 100.0 - SuccessPercent(b),
                                      .piercing = 10.0 - CriticalPercent(b)};
  }
  for (int step = 0; step < kTechniqueSteps; ++step) {
    const std::int64_t penalty = std::int64_t{kTechniqueStep} * step;
    const std::int64_t a = detail.judgment_value - penalty;
    if (a <= 0) break;
    const DetailFigures f = DetailFiguresAt(a, b - penalty);
    detail.techniques[step] = RollChances{HitPercent(a, b - penalty), f.attacker_fumble, f.critical,
                                          f.piercing, f.critical_piercing};
  }
  return detail;
}

}  // namespace zelmora
