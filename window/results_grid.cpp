#include "window/results_grid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "window/grid_accessibility.h"

namespace zelmora {

ResultsGrid::ResultsGrid(const DialogUnits& units, QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("対戦結果"));
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      auto& cell = cells_[row - 1][column - 1];
      cell = std::make_unique<PairingCell>(row, column, units);
      cell->installEventFilter(this);
      connect(&cell->detail_button(), &QPushButton::clicked, this,
              [this, row, column] { emit DetailRequested(row, column); });
    }
  }
}

ResultsGrid::~ResultsGrid() = default;

void ResultsGrid::SetCurrent(int row, int column) {
  row = std::clamp(row, 1, Encounter::kSlots);
  column = std::clamp(column, 1, Encounter::kSlots);
  current().SetFocusFrame(false);
  current_row_ = row;
  current_column_ = column;
  current().SetFocusFrame(hasFocus());
  if (!hasFocus()) return;
  AnnouncePairing(current());
  emit CurrentShown(current());
}

// A press on a pairing frames it and brings the focus here; a double click
// opens its detail; its context menu is the grid's.
bool ResultsGrid::eventFilter(QObject* watched, QEvent* event) {
  // Only the pairings are watched, but a pairing being destroyed is no
  // longer one: it is taken as such only for the events handled here.
  const auto pairing = [watched] { return static_cast<PairingCell*>(watched); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      SetCurrent(pairing()->row(), pairing()->column());
      setFocus(Qt::MouseFocusReason);
      return true;
    case QEvent::MouseButtonDblClick:
      emit DetailRequested(pairing()->row(), pairing()->column());
      return true;
    case QEvent::ContextMenu:
      SetCurrent(pairing()->row(), pairing()->column());
      setFocus(Qt::MouseFocusReason);
      ShowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

void ResultsGrid::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      SetCurrent(current_row_, current_column_ - 1);
      break;
    case Qt::Key_Right:
      SetCurrent(current_row_, current_column_ + 1);
      break;
    case Qt::Key_Up:
      SetCurrent(current_row_ - 1, current_column_);
      break;
    case Qt::Key_Down:
      SetCurrent(current_row_ + 1, current_column_);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit DetailRequested(current_row_, current_column_);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

// From the keyboard the menu opens over the framed pairing.
void ResultsGrid::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = event->reason() == QContextMenuEvent::Mouse
                        ? event->globalPos()
                        : current().mapToGlobal(current().rect().center());
  ShowMenu(at);
}

void ResultsGrid::ShowMenu(const QPoint& global_position) {
  const int row = current_row_;
  const int column = current_column_;
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("詳細(&D)")), &QAction::triggered, this,
          [this, row, column] { emit DetailRequested(row, column); });
  connect(menu.addAction(QStringLiteral("値をコピー(&C)")), &QAction::triggered, this,
          [this, row, column] { emit CopyRequested(row, column); });
  menu.exec(global_position);
}

// The scroll area brings the whole grid into sight after Tab gave it the
// focus; the framed pairing is brought into sight after that.
void ResultsGrid::focusInEvent(QFocusEvent* event) {
  current().SetFocusFrame(true);
  QMetaObject::invokeMethod(
      this, [this] { emit CurrentShown(current()); }, Qt::QueuedConnection);
  QWidget::focusInEvent(event);
  AnnouncePairing(current());
}

// A context menu keeps the frame where it acts.
void ResultsGrid::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason) current().SetFocusFrame(false);
  QWidget::focusOutEvent(event);
}

}  // namespace zelmora
