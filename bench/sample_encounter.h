#pragma once

#include "engine/encounter.h"

namespace zelmora {

// Five varied attackers and defenders, so that the pairings take every
// branch: technique search, auto-trigger, affinities, defence options.
inline void FillSampleEncounter(Encounter& e) {
  for (int i = 1; i <= Encounter::kSlots; ++i) {
    Attacker& a = e.attacker(i);
    a.judgment_value = 35 + 12 * i;
    a.dice_count = i;
    a.damage_bonus = 2 * i;
    a.judgment_kind = i % 3;
    a.defence_flags = (i % 3) | (i % 2 ? 4 : 0);
    a.attack_attribute = (3 * i) % 15;
    a.evasion_kind = i % 4;
    a.attack_count = 1 + i % 2;
    a.auto_trigger = i % 2;
    Defender& d = e.defender(i);
    d.melee_evasion = 20 + 9 * i;
    d.ranged_evasion = 15 + 7 * i;
    d.magic_evasion = 10 + 11 * i;
    d.physical_defence = i + 2;
    d.magic_defence = 2 * i;
    for (int k = 0; k < kAffinityCount; ++k) d.affinities[k] = (i + k) % 6;
  }
}

}  // namespace zelmora
