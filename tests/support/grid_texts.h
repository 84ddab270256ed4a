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
  for (const auto& r : grid::kAttackerRows)
    ids.insert(ids.end(), {r.name, r.judgment, r.dice, r.bonus});
  for (const auto& c : grid::kDefenderColumns)
    ids.insert(ids.end(), {c.name, c.evasion, c.defence});
  return ids;
}

// Every output of one attacker row: its two summary cells, then chance,
// technique and damage of each pairing.
inline std::vector<int> RowOutputIds(int row) {
  const auto& summary = grid::kAttackerRows[row - 1];
  std::vector<int> ids = {summary.success, summary.expectation};
  for (const auto& p : grid::kPairings[row - 1])
    ids.insert(ids.end(), {p.chance, p.technique, p.damage});
  return ids;
}

inline std::vector<int> GridOutputIds() {
  std::vector<int> ids;
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    const std::vector<int> of_row = RowOutputIds(row);
    ids.insert(ids.end(), of_row.begin(), of_row.end());
  }
  return ids;
}

inline QStringList TextsOf(const QWidget& window, const std::vector<int>& ids) {
  QStringList texts;
  for (int id : ids) texts << Text(window, id);
  return texts;
}

inline QStringList GridInputTexts(const QWidget& window) { return TextsOf(window, GridInputIds()); }

inline QStringList GridOutputTexts(const QWidget& window) {
  return TextsOf(window, GridOutputIds());
}

// What the cells of RowOutputIds(row) must show for an encounter,
// formatted the way the grid does.
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
