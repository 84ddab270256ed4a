#include "engine/encounter.h"

namespace zelmora {

void Encounter::Recalculate(int row, int column) {
  for (int i = 1; i <= kSlots; ++i) {
    if (!Selects(row, i)) continue;
    summaries_[Index(i)] = SummarizeAttacker(attacker(i), modifiers_);
    for (int j = 1; j <= kSlots; ++j) {
      if (Selects(column, j))
        results_[Index(i)][Index(j)] = ResultOf(attacker(i), defender(j), modifiers_);
    }
  }
}

}  // namespace zelmora
