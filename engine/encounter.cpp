#include "engine/encounter.h"

namespace zelmora {

void Encounter::Recalculate(SlotSelection rows, SlotSelection columns) {
  for (int i = 1; i <= kSlots; ++i) {
    if (!rows.Contains(i)) continue;
    summaries_[Index(i)] = SummarizeAttacker(attacker(i), modifiers_);
    for (int j = 1; j <= kSlots; ++j) {
      if (columns.Contains(j))
        results_[Index(i)][Index(j)] = ResultOf(attacker(i), defender(j), modifiers_);
    }
  }
}

EvasionKinds EvasionKindsOf(const Encounter& encounter) {
  EvasionKinds kinds{};
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    kinds[static_cast<std::size_t>(slot - 1)] = encounter.attacker(slot).evasion_kind;
  }
  return kinds;
}

void SetEvasionKinds(Encounter& encounter, const EvasionKinds& kinds) {
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    encounter.attacker(slot).evasion_kind = kinds[static_cast<std::size_t>(slot - 1)];
  }
}

}  // namespace zelmora
