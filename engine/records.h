#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelmora {

// One acting combatant: a row of the grid. Every number is whatever the user
// typed or a file held; nothing is range-checked.
struct Attacker {
  std::int32_t judgment_value = 0;     // percentile target number of the attack roll
  std::int32_t dice_count = 0;         // n of nD6 + k
  std::int32_t damage_bonus = 0;       // k of nD6 + k
  std::int32_t judgment_kind = 0;      // JudgmentKind
  std::int32_t defence_flags = 0;      // DefenceKind in bits 0-1, option bits 4 and 8
  std::int32_t attack_attribute = 11;  // AttackAttribute, default "－"
  std::int32_t evasion_kind = 0;       // EvasionKind; last on a roster line
  std::int32_t attack_count = 1;
  std::int32_t auto_trigger = 0;  // 1: may take effect without an attack roll
  std::string name;               // code page 932 bytes, exactly as in a file

  bool operator==(const Attacker&) const = default;
};

inline constexpr int kAffinityCount = 11;  // one per attack attribute 0 to 10

// One receiving combatant: a column of the grid.
struct Defender {
  std::int32_t melee_evasion = 0;
  std::int32_t ranged_evasion = 0;
  std::int32_t magic_evasion = 0;
  std::int32_t physical_defence = 0;
  std::int32_t magic_defence = 0;
  std::array<std::int32_t, kAffinityCount> affinities{};  // Affinity codes
  std::string name;

  bool operator==(const Defender&) const = default;
};

// Bonuses and penalties added to every pairing. Entry 2 of the first three
// arrays and entry 3 of the evasion array are always 0 after the modifiers
// dialog, so the "none"/"special" kinds get nothing.
struct GlobalModifiers {
  std::array<std::int32_t, 3> hit_bonus{};      // by judgment kind
  std::array<std::int32_t, 3> damage_bonus{};   // by defence kind (summary: judgment kind)
  std::array<std::int32_t, 3> defence_bonus{};  // by defence kind
  std::array<std::int32_t, 4> evasion_bonus{};  // by evasion kind

  bool operator==(const GlobalModifiers&) const = default;
};

// The eight values the user enters, in the order of the modifiers dialog:
// physical hit, magic hit, physical damage, magic damage, physical evasion,
// magic evasion, physical defence, magic defence.
using ShownModifiers = std::array<std::int32_t, 8>;

ShownModifiers ShowModifiers(const GlobalModifiers& modifiers);
// Maps the eight values onto all thirteen entries: the hidden entries become
// 0 and the physical evasion goes to both melee and ranged.
GlobalModifiers ModifiersFromShown(const ShownModifiers& shown);

}  // namespace zelmora
