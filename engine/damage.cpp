#include "engine/damage.h"

#include <cmath>
#include <span>

#include "engine/labels.h"

namespace zelmora {
namespace {

constexpr double kDamagePerDie = 4.2;

double MultiplierOf(std::int32_t affinity) {
  switch (affinity) {
    case kAffDouble:
      return 2.0;
    case kAffNormal:
      return 1.0;
    case kAffHalf:
      return 0.5;
    default:
      return 0.0;  // ×, ＋, ↑ and unknown codes
  }
}

constexpr std::int32_t kPlanetGroup[] = {kAttrSword, kAttrThing,   kAttrArt,  kAttrFire,
                                         kAttrIce,   kAttrThunder, kAttrWind, kAttrMind,
                                         kAttrHoly,  kAttrCurse};  // all but 禁
constexpr std::int32_t kFiveElementGroup[] = {kAttrThing, kAttrFire, kAttrIce, kAttrThunder,
                                              kAttrWind};
constexpr std::int32_t kBestFirst[] = {kAffDouble, kAffNormal, kAffHalf,
                                       kAffNone,   kAffPlus,   kAffUp};

std::optional<std::int32_t> BestOfGroup(const Defender& defender,
                                        std::span<const std::int32_t> group) {
  for (std::int32_t affinity : kBestFirst) {
    for (std::int32_t attribute : group) {
      if (defender.affinities[static_cast<std::size_t>(attribute)] == affinity) return affinity;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> EffectiveAffinity(std::int32_t attribute, const Defender& defender) {
  if (attribute >= 0 && attribute < kAffinityCount) {
    return defender.affinities[static_cast<std::size_t>(attribute)];
  }
  switch (attribute) {
    case kAttrNeutral:
      return kAffNormal;
    case kAttrSpecial:
      return kAffNone;
    case kAttrPlanets:
      return BestOfGroup(defender, kPlanetGroup);
    case kAttrFiveElements:
      return BestOfGroup(defender, kFiveElementGroup);
    default:
      return std::nullopt;
  }
}

double AffinityMultiplier(std::int32_t attribute, const Defender& defender) {
  const std::optional<std::int32_t> affinity = EffectiveAffinity(attribute, defender);
  return affinity ? MultiplierOf(*affinity) : 0.0;
}

double BaseDamage(std::int64_t dice_count, std::int64_t bonus) {
  return kDamagePerDie * static_cast<double>(dice_count) + static_cast<double>(bonus);
}

bool ModifiersApply(const Attacker& attacker) { return attacker.judgment_kind != kJudgeSpecial; }

HitDamages DamagesOfHits(const Attacker& attacker, const Defender& defender,
                         const GlobalModifiers& modifiers) {
  // The global damage bonus follows the defence kind, not the judgment kind.
  const std::int32_t kind = DefenceKindOf(attacker.defence_flags);
  std::int64_t bonus = attacker.damage_bonus;
  std::int64_t defence = kind == kDefendPhysical ? defender.physical_defence
                         : kind == kDefendMagic  ? defender.magic_defence
                                                 : 0;
  if (ModifiersApply(attacker)) {
    bonus += BonusOf(modifiers.damage_bonus, kind);
    defence += BonusOf(modifiers.defence_bonus, kind);
  }
  double defence_factor = 1.0;
  switch (DefenceOptionOf(attacker.defence_flags)) {
    case kOptionHalf:
      defence_factor = 0.5;
      break;
    case kOptionIgnore:
      defence_factor = 0.0;
      break;
    default:
      break;
  }
  // Affinity and the critical doubling scale the damage, bonus included,
  // never the defence; piercing hits ignore the defence. The floor of the
  // scaled defence is the only rounding.
  const double multiplier = AffinityMultiplier(attacker.attack_attribute, defender);
  const double base = BaseDamage(attacker.dice_count, bonus);
  const double normal = multiplier * base;
  const double critical = 2 * multiplier * base;
  const double defended = std::floor(static_cast<double>(defence) * defence_factor);
  return {{normal - defended, critical - defended, normal, critical}};
}

double HitDamage(const Attacker& attacker, const Defender& defender,
                 const GlobalModifiers& modifiers, HitType type) {
  return DamagesOfHits(attacker, defender, modifiers)[type];
}

}  // namespace zelmora
