#pragma once

// The grid's cells read back as texts, to compare the window before and
// after a command, or with what an encounter must show.
#include <QStringList>
#include <vector>

#include "engine/encounter.h"
#include "engine/text.h"
#include "tests/support/gui_helpers.h"
#include "window/calc_window.h"

namespace zelmora::testing {

// Each attacker's name, judgment value, dice and bonus, then each
// defender's name, evasion and defence.
inline std::vector<GridInput*> GridCells(CalcWindow& window) {
  std::vector<GridInput*> cells;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    AttackerRow& r = window.grid().attacker(slot);
    cells.insert(cells.end(), {&r.name(), &r.judgment(), &r.dice(), &r.bonus()});
  }
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    DefenderColumn& c = window.grid().defender(slot);
    cells.insert(cells.end(), {&c.name(), &c.evasion(), &c.defence()});
  }
  return cells;
}

// The same cells' line edits, made where they were not yet.
inline std::vector<QLineEdit*> GridInputs(CalcWindow& window) {
  std::vector<QLineEdit*> edits;
  for (GridInput* cell : GridCells(window)) edits.push_back(&cell->LineEdit());
  return edits;
}

// A grid cell is typed in through its line edit.
inline void Type(GridInput* cell, const QString& text) { Type(&cell->LineEdit(), text); }
inline void Retype(GridInput* cell, const QString& text) { Retype(&cell->LineEdit(), text); }
inline void Commit(GridInput* cell, const QString& text) { Commit(&cell->LineEdit(), text); }

// Every result of one attacker row: its two summary cells, then chance,
// technique and damage of each pairing.
inline std::vector<ResultCell*> RowOutputs(CalcWindow& window, int row) {
  std::vector<ResultCell*> cells = {&window.grid().attacker(row).success(),
                                    &window.grid().attacker(row).expectation()};
  for (int column = 1; column <= Encounter::kSlots; ++column) {
    PairingCell& p = window.grid().pairing(row, column);
    cells.insert(cells.end(), {&p.chance(), &p.technique(), &p.damage()});
  }
  return cells;
}

inline QStringList GridInputTexts(CalcWindow& window) {
  QStringList texts;
  for (GridInput* cell : GridCells(window)) texts << cell->text();
  return texts;
}

// The whole values the results of one row stand for.
inline QStringList RowTexts(CalcWindow& window, int row) {
  QStringList texts;
  for (ResultCell* cell : RowOutputs(window, row)) texts << cell->WholeText();
  return texts;
}

inline QStringList GridOutputTexts(CalcWindow& window) {
  QStringList texts;
  for (int row = 1; row <= Encounter::kSlots; ++row) texts << RowTexts(window, row);
  return texts;
}

// What RowTexts(row) must give for an encounter, formatted the way the
// grid does.
inline QStringList ExpectedRowTexts(Encounter encounter, int row) {
  encounter.Recalculate();
  const AttackerSummary& summary = encounter.summary(row);
  QStringList texts = {QString::fromStdString(FormatInt(summary.success_percent)),
                       QString::fromStdString(FormatGeneral(summary.damage_expectation))};
  for (int column = 1; column <= Encounter::kSlots; ++column) {
    const MatchupResult& result = encounter.result(row, column);
    texts << QString::fromStdString(FormatGeneral(result.attack_chance))
          << QString::fromStdString(result.technique)
          << QString::fromStdString(FormatGeneral(result.expected_damage));
  }
  return texts;
}

inline QStringList ExpectedOutputTexts(const Encounter& encounter) {
  QStringList texts;
  for (int row = 1; row <= Encounter::kSlots; ++row) texts << ExpectedRowTexts(encounter, row);
  return texts;
}

}  // namespace zelmora::testing
