#pragma once

#include <string>

#include "engine/encounter.h"

namespace zelmora::testing {

// A table that differs from a fresh one in every field a kept table holds:
// records with names, evasion kinds and all eight shown modifiers.
inline void FillSampleTable(Encounter& e) {
  for (int i = 1; i <= Encounter::kSlots; ++i) {
    Attacker& a = e.attacker(i);
    a = {40 + 7 * i,   i,     2 * i - 3, i % 3, (i % 3) | (i % 2 ? 4 : 0),
         (3 * i) % 15, i % 4, 1 + i % 2, i % 2, "\x8d\x55" + std::to_string(i)};
    Defender& d = e.defender(i);
    d.melee_evasion = 10 + 9 * i;
    d.ranged_evasion = 5 + 7 * i;
    d.magic_evasion = -i;
    d.physical_defence = i;
    d.magic_defence = 2 * i;
    for (int k = 0; k < kAffinityCount; ++k) d.affinities[k] = (i + k) % 6;
    d.name = "\"M" + std::to_string(i) + "\"";
  }
  e.modifiers() = ModifiersFromShown({3, -4, 5, -6, 7, -8, 9, -10});
}

// The fields a kept table holds are equal.
inline bool SameTable(const Encounter& a, const Encounter& b) {
  return a.attackers() == b.attackers() && a.defenders() == b.defenders() &&
         a.modifiers() == b.modifiers();
}

}  // namespace zelmora::testing
