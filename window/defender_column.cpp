#include "window/defender_column.h"

#include <QGridLayout>

#include "window/grid_units.h"

namespace zelmora {

// In dialog units: the button at 2 (6 high, the column's width), then the
// name, the evasion and the defence lines at 10, 20 and 30 (10 high), a
// unit in from the column's edges; the first column's texts start 17 in,
// after their labels. The head ends where the attacker rows begin, at 40.
DefenderColumn::DefenderColumn(int slot, const DialogUnits& units, QWidget* parent)
    : QWidget(parent) {
  const QString opens = QStringLiteral("防御側 %1 を編集").arg(slot);
  editor_.setToolTip(opens);
  editor_.setAccessibleName(opens);
  editor_.setFixedHeight(units.Y(6));
  const int width = slot == 1 ? 71 : 33;
  SetMinimumUnits(editor_, units, width + 2, 6);
  for (GridInput* field : {&name_, &evasion_, &defence_}) {
    SetMinimumUnits(*field, units, width, 10);
    field->setMaximumHeight(units.Y(10));
  }

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, units.Y(2), 0, 0);
  grid->setSpacing(0);
  grid->addWidget(&editor_, 0, 0, 1, 4);
  grid->setRowMinimumHeight(1, units.Y(10) - units.Y(8));
  grid->setColumnMinimumWidth(0, units.X(1));
  grid->setColumnMinimumWidth(3, units.X(1));
  grid->addWidget(&name_, 2, 1, 1, 2);
  if (slot == 1) {
    evasion_label_ = std::make_unique<Caption>(QStringLiteral("回避"));
    defence_label_ = std::make_unique<Caption>(QStringLiteral("防御"));
    for (Caption* label : {evasion_label_.get(), defence_label_.get()}) {
      SetFixedUnits(*label, units, 17, 10);
      label->setContentsMargins(units.X(1), 0, 0, 0);
    }
    grid->addWidget(evasion_label_.get(), 3, 1);
    grid->addWidget(defence_label_.get(), 4, 1);
    for (GridInput* field : {&evasion_, &defence_}) SetMinimumUnits(*field, units, width - 17, 10);
  }
  const int text_column = slot == 1 ? 2 : 1;
  grid->addWidget(&evasion_, 3, text_column, 1, 3 - text_column);
  grid->addWidget(&defence_, 4, text_column, 1, 3 - text_column);
  grid->setColumnStretch(2, 1);
}

}  // namespace zelmora
