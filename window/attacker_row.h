#pragma once

#include <QWidget>

#include "engine/encounter.h"
#include "gui/dialog_units.h"
#include "window/caption.h"
#include "window/grid_button.h"
#include "window/grid_input.h"
#include "window/result_cell.h"

namespace zelmora {

// The left part of one attacker's row: a blank button that opens the
// attacker's editor, the name, the judgment value ("%"), the damage dice
// and bonus ("D+"), and the row's two results, success percent over damage
// expectation.
class AttackerRow : public QWidget {
 public:
  AttackerRow(int slot, const DialogUnits& units, QWidget* parent = nullptr);

  QPushButton& editor_button() { return editor_; }
  GridInput& name() { return name_; }
  GridInput& judgment() { return judgment_; }
  GridInput& dice() { return dice_; }
  GridInput& bonus() { return bonus_; }
  ResultCell& success() { return success_; }
  ResultCell& expectation() { return expectation_; }

  void ShowSummary(const AttackerSummary& summary);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  GridButton editor_;
  GridInput name_;
  GridInput judgment_;
  Caption percent_{QStringLiteral("%")};
  GridInput dice_;
  Caption dice_plus_{QStringLiteral("D+")};
  GridInput bonus_;
  ResultCell success_{*this, Qt::AlignHCenter};  // painted by the row
  ResultCell expectation_{*this, Qt::AlignHCenter};
};

}  // namespace zelmora
