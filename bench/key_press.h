#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "bench/sample_encounter.h"
#include "window/attacker_row.h"
#include "window/calc_grid.h"
#include "window/calc_window.h"
#include "window/grid_input.h"
#include "window/table_document.h"

namespace zelmora {

// A key pressed and released in a line edit, as the keyboard sends it.
inline void Press(QLineEdit& edit, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &release);
}

// Shows the sample table in `window` and focuses row 3's judgment value with
// the cursor at its end: where the keystroke benchmarks type.
inline QLineEdit& FocusSampleJudgment(CalcWindow& window) {
  Encounter table;
  FillSampleEncounter(table);
  window.document().SetTable(table);
  window.show();
  QApplication::processEvents();
  QLineEdit& judgment = window.grid().attacker(3).judgment().LineEdit();
  judgment.setFocus();
  judgment.end(false);
  return judgment;
}

}  // namespace zelmora
