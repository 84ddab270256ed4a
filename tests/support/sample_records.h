#pragma once

#include "engine/records.h"

// Records the tests and the screenshot tool share.
namespace zelmora::testing {

// Judgment value 50, 2D6 + 3, a sword attack against melee evasion.
Attacker WorkedAttacker();
// Melee evasion 30 and physical defence 5; everything else 0.
Defender WorkedDefender();

}  // namespace zelmora::testing
