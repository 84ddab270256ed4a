#pragma once

#include "engine/encounter.h"
#include "fuzz/fuzz_input.h"

namespace zelmora::fuzz {

// An encounter with every value, code and name taken from the input (codes
// often just outside their tables), recalculated.
inline Encounter RandomEncounter(FuzzInput& in) {
  Encounter e;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    Attacker& a = e.attacker(slot);
    a.judgment_value = in.Int();
    a.dice_count = in.Int();
    a.damage_bonus = in.Int();
    a.judgment_kind = in.Small(5) - 1;
    a.defence_flags = in.Small(17) - 1;
    a.attack_attribute = in.Small(17) - 1;
    a.evasion_kind = in.Small(6) - 1;
    a.attack_count = in.Int();
    a.auto_trigger = in.Small(3);
    a.name = in.Text(30);
    Defender& d = e.defender(slot);
    d.melee_evasion = in.Int();
    d.ranged_evasion = in.Int();
    d.magic_evasion = in.Int();
    d.physical_defence = in.Int();
    d.magic_defence = in.Int();
    for (auto& affinity : d.affinities) affinity = in.Small(8) - 1;
    d.name = in.Text(30);
  }
  auto fill = [&](auto& table) {
    for (auto& v : table) v = in.Int();
  };
  fill(e.modifiers().hit_bonus);
  fill(e.modifiers().damage_bonus);
  fill(e.modifiers().defence_bonus);
  fill(e.modifiers().evasion_bonus);
  e.Recalculate();
  return e;
}

}  // namespace zelmora::fuzz
