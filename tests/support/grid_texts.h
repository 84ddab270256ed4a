#pragma once

// The grid's cells read back as texts, to compare the window before and
// after a command, or with what an encounter must show.
#include <QStringList>
#include <vector>

#include "engine/encounter.h"
#include "engine/text.h"
#include "resources/calc_window_ids.h"
#include "tests/support/gui_helpers.h"

namespace zelmora::testing {

// Each attacker's name, judgment value, dice and bonus, then each
// defender's name, evasion and defence.
inline std::vector<int> GridInputIds() {
  std::vector<int> ids;
  for (const auto& row : grid::kAttackerRows)
    ids.insert(ids.end(), {row.name, row.judgment, row.dice, row.bonus});
  for (const auto& column : grid::kDefenderColumns)
    ids.insert(ids.end(), {column.name, column.evasion, column.defence});
  return ids;
}

// Chance, technique and damage of each pairing, row by row.
inline std::vector<int> GridPairingIds() {
  std::vector<int> ids;
  for (const auto& row : grid::kPairings) {
    for (const auto& p : row) ids.insert(ids.end(), {p.chance, p.technique, p.damage});
  }
  return ids;
}

// Each attacker's success and expectation, then the pairings.
inline std::vector<int> GridOutputIds() {
  std::vector<int> ids;
  for (const auto& row : grid::kAttackerRows) ids.insert(ids.end(), {row.success, row.expectation});
  const std::vector<int> pairings = GridPairingIds();
  ids.insert(ids.end(), pairings.begin(), pairings.end());
  return ids;
}

inline QStringList TextsOf(const QWidget& window, const std::vector<int>& ids) {
  QStringList texts;
  for (int id : ids) texts << Text(window, id);
  return texts;
}

// What the pairing cells must show for an encounter, in the order of
// GridPairingIds(), formatted the way the grid does.
inline QStringList ExpectedPairingTexts(Encounter encounter) {
  encounter.Recalculate();
  QStringList texts;
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      const MatchupResult& r = encounter.result(row, column);
      texts << QString::fromStdString(FormatGeneral(r.attack_chance))
            << QString::fromStdString(r.technique)
            << QString::fromStdString(FormatGeneral(r.expected_damage));
    }
  }
  return texts;
}

}  // namespace zelmora::testing
