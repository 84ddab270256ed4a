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

}  // namespace zelmora
