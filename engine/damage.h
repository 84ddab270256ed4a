#pragma once

#include <cstdint>
#include <optional>

#include "engine/records.h"

namespace zelmora {

// The four kinds of hit produced by the joint outcomes of a judgment.
enum class HitType {
  kNormal,            // x affinity, defence applied
  kCritical,          // x2 affinity, defence applied
  kPiercing,          // x affinity, defence ignored (the evasion fumbled)
  kCriticalPiercing,  // x2 affinity, defence ignored
};

// The affinity code that applies to an attack attribute: the defender's own
// for 0 to 10, ○ for "－", × for "特殊", and the best of a group (◎ before ○
// before △ before × ＋ ↑) for the two group attributes. Nothing for an
// attribute outside 0 to 14, or a group holding no known code.
std::optional<std::int32_t> EffectiveAffinity(std::int32_t attack_attribute,
                                              const Defender& defender);

// 2.0, 1.0, 0.5 or 0.0: the multiplier of the effective affinity; no
// effective affinity does no damage.
double AffinityMultiplier(std::int32_t attack_attribute, const Defender& defender);

// 4.2 per die (not 3.5) plus the bonus.
double BaseDamage(std::int64_t dice_count, std::int64_t bonus);

// The damage of each of the four hit types, indexed by HitType.
struct HitDamages {
  double by_type[4];
  double operator[](HitType type) const { return by_type[static_cast<int>(type)]; }
};
HitDamages DamagesOfHits(const Attacker& attacker, const Defender& defender,
                         const GlobalModifiers& modifiers);

// Damage of one hit. Not clamped: a defence larger than the damage gives a
// negative result. The only rounding is floor() of the scaled defence.
double HitDamage(const Attacker& attacker, const Defender& defender,
                 const GlobalModifiers& modifiers, HitType type);

// The global bonus of `kind` in `table`, or 0 for a kind outside it.
template <typename Table>
std::int64_t BonusOf(const Table& table, std::int64_t kind) {
  return kind >= 0 && kind < static_cast<std::int64_t>(table.size())
             ? table[static_cast<std::size_t>(kind)]
             : 0;
}

// The modifiers never apply to an attacker of judgment kind "特殊".
bool ModifiersApply(const Attacker& attacker);

}  // namespace zelmora
