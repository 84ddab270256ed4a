#pragma once

#include <QWidget>
#include <memory>

#include "gui/dialog_units.h"
#include "window/caption.h"
#include "window/grid_button.h"
#include "window/grid_input.h"

namespace zelmora {

// The head of one defender's column: a thin blank button along its top
// that opens the defender's editor, the name, the evasion text
// ("melee,ranged,magic") and the defence text ("physical,magic"). The first
// column labels its two texts "回避" and "防御".
class DefenderColumn : public QWidget {
 public:
  DefenderColumn(int slot, const DialogUnits& units, QWidget* parent = nullptr);

  QPushButton& editor_button() { return editor_; }
  GridInput& name() { return name_; }
  GridInput& evasion() { return evasion_; }
  GridInput& defence() { return defence_; }

 private:
  GridButton editor_;
  GridInput name_;
  GridInput evasion_;
  GridInput defence_;
  std::unique_ptr<Caption> evasion_label_;  // first column only
  std::unique_ptr<Caption> defence_label_;
};

}  // namespace zelmora
