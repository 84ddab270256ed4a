#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/dice.h"
#include "engine/records.h"

namespace zelmora {

// The row outputs of one attacker alone.
struct AttackerSummary {
  std::int32_t success_percent = 0;  // "成功率"
  double damage_expectation = 0;     // "期待値"

  bool operator==(const AttackerSummary&) const = default;
};

// The three outputs of one pairing.
struct MatchupResult {
  double attack_chance = 0;    // percent, "成功率"
  std::string technique;       // "-0" to "-50", or "A" when the attack auto-triggers
  double expected_damage = 0;  // per attack times the attack count, "期待DMG"

  bool operator==(const MatchupResult&) const = default;
};

struct Evaluation {
  double attack_chance = 0;
  std::int32_t penalty = 0;
  bool auto_triggered = false;
  double damage_per_attack = 0;
};

// The defender's evasion value that opposes an attack of `evasion_kind`;
// "なし" and unknown kinds have none (0).
std::int32_t EvasionAgainst(const Defender& defender, std::int32_t evasion_kind);

Evaluation EvaluateMatchup(const Attacker& attacker, const Defender& defender,
                           const GlobalModifiers& modifiers);

AttackerSummary SummarizeAttacker(const Attacker& attacker, const GlobalModifiers& modifiers);

// EvaluateMatchup turned into what the grid stores and shows.
MatchupResult ResultOf(const Attacker& attacker, const Defender& defender,
                       const GlobalModifiers& modifiers);

// One row of the matchup detail: raw roll chances in percent.
struct RollChances {
  double hit_percent = 0;
  double attacker_fumble = 0;
  double critical = 0;
  double piercing = 0;
  double critical_piercing = 0;
};

// What the matchup detail shows of a pairing: the attacker's judgment value
// against the defender's evasion of the attacker's kind, with no global
// modifier whatever the judgment kind. The auto-trigger row exists only for
// an attacker that may auto-trigger (its roll chances are whole numbers); the
// row of penalty kTechniqueStep * i only while the lowered judgment value
// stays above 0.
struct MatchupDetail {
  std::int64_t judgment_value = 0;
  std::int64_t evasion_value = 0;
  std::optional<RollChances> auto_trigger;
  std::array<std::optional<RollChances>, kTechniqueSteps> techniques;
};
MatchupDetail DetailOf(const Attacker& attacker, const Defender& defender);

// "-%d" of a penalty.
std::string TechniqueText(std::int32_t penalty);
inline constexpr const char* kAutoTriggerText = "A";

}  // namespace zelmora
