#pragma once

#include "engine/encounter.h"
#include "window/calc_window.h"

namespace zelmora::testing {

// Changes the window's table as one action of its document, the way a
// command does: a copy of the table, changed, then handed over whole.
template <class Change>
void ChangeTable(CalcWindow& window, Change change) {
  Encounter table = window.encounter();
  change(table);
  window.document().SetTable(table);
}

}  // namespace zelmora::testing
