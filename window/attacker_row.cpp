#include "window/attacker_row.h"

#include <QGridLayout>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>

#include "window/grid_units.h"

namespace zelmora {

// Columns in dialog units: the button at 1 (6 wide), the name at 8 (66),
// the judgment value and the dice at 75, "%" and the bonus at 97, the results at
// 109 to 127. The upper line at 6, the lower one at 19, each 11 high, in a
// band of 35.
AttackerRow::AttackerRow(int slot, const DialogUnits& units, QWidget* parent) : QWidget(parent) {
  const QString opens = QStringLiteral("攻撃側 %1 を編集").arg(slot);
  editor_.setToolTip(opens);
  editor_.setAccessibleName(opens);
  SetFixedUnits(editor_, units, 6, 14);
  SetMinimumUnits(name_, units, 66, 11);
  name_.setMaximumHeight(units.Y(11));
  SetFixedUnits(judgment_, units, 19, 11);
  SetFixedUnits(dice_, units, 12, 11);
  SetFixedUnits(bonus_, units, 12, 11);
  SetFixedUnits(percent_, units, 6, 11);
  SetFixedUnits(dice_plus_, units, 9, 11);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(units.X(1), units.Y(6), 0, units.Y(35) - units.Y(30));
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(units.Y(19) - units.Y(17));
  grid->addWidget(&editor_, 0, 0, 2, 1, Qt::AlignVCenter);
  grid->setColumnMinimumWidth(1, units.X(1));
  grid->addWidget(&name_, 0, 2, 2, 1, Qt::AlignVCenter);
  grid->setColumnMinimumWidth(3, units.X(1));
  grid->addWidget(&judgment_, 0, 4, 1, 3);
  grid->addWidget(&percent_, 0, 7);
  grid->addWidget(&dice_, 1, 4);
  grid->setColumnMinimumWidth(5, units.X(1));
  grid->addWidget(&dice_plus_, 1, 6);
  grid->addWidget(&bonus_, 1, 7);
  const QSize result(units.X(18), units.Y(11));
  grid->addItem(success_.MakePlace(result, result.width()), 0, 8);
  grid->addItem(expectation_.MakePlace(result, result.width()), 1, 8);
  grid->setColumnStretch(2, 1);
}

bool AttackerRow::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip &&
      ShowResultToolTip(*static_cast<QHelpEvent*>(event), *this, {&success_, &expectation_})) {
    return true;
  }
  return QWidget::event(event);
}

void AttackerRow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintResults(painter, event->rect(), {&success_, &expectation_});
}

void AttackerRow::ShowSummary(const AttackerSummary& summary) {
  success_.ShowNumber(summary.success_percent);
  expectation_.ShowNumber(summary.damage_expectation);
}

}  // namespace zelmora
