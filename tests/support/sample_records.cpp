#include "tests/support/sample_records.h"

#include "engine/labels.h"

namespace zelmora::testing {

Attacker WorkedAttacker() {
  return {.judgment_value = 50,
          .dice_count = 2,
          .damage_bonus = 3,
          .attack_attribute = kAttrSword,
          .name = {}};
}

Defender WorkedDefender() { return {.melee_evasion = 30, .physical_defence = 5, .name = {}}; }

}  // namespace zelmora::testing
