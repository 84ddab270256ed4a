#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "engine/encounter.h"
#include "gui/dialog_units.h"
#include "window/attacker_row.h"
#include "window/caption.h"
#include "window/defender_column.h"
#include "window/grid_button.h"
#include "window/results_grid.h"

class QGridLayout;

namespace zelmora {

// The calculator's grid: a header band with "再計算", "全体ボーナス設定"
// and the captions of the attacker part; five attacker rows crossing five
// defender columns, each row and column framed; the results grid where
// they cross. The first column is wider, for its labels. At its natural
// size the grid keeps the arrangement its dialog units describe; a wider
// window gives the results more room, so that they show more digits.
//
// Tab order: "再計算", each attacker's name, judgment value, dice and bonus,
// each defender's name, evasion and defence, the results grid, the attacker
// editor buttons, the defender editor buttons, "全体ボーナス設定".
class CalcGrid : public QWidget {
 public:
  explicit CalcGrid(QWidget* parent = nullptr);
  ~CalcGrid() override;

  QPushButton& recalculate_button() { return recalculate_; }
  QPushButton& modifiers_button() { return modifiers_; }
  AttackerRow& attacker(int slot) { return *attackers_[slot - 1]; }
  DefenderColumn& defender(int slot) { return *defenders_[slot - 1]; }
  ResultsGrid& results() { return *results_; }
  PairingCell& pairing(int row, int column) { return results_->cell(row, column); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void AddHeader(const DialogUnits& units);
  void ChainTabOrder();

  QGridLayout* layout_;
  GridButton recalculate_{QStringLiteral("再計算")};
  GridButton modifiers_{QStringLiteral("全体ボーナス設定")};
  std::array<Caption, 5> captions_;
  std::array<std::unique_ptr<AttackerRow>, Encounter::kSlots> attackers_;
  std::array<std::unique_ptr<DefenderColumn>, Encounter::kSlots> defenders_;
  // Last, so that it and the cells it owns go before the rest.
  std::unique_ptr<ResultsGrid> results_;
};

}  // namespace zelmora
