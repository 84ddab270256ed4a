#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "engine/encounter.h"
#include "gui/dialog_units.h"
#include "window/pairing_cell.h"

namespace zelmora {

// The 25 pairings as one stop of the tab order. The arrow keys move a
// focus frame from pairing to pairing; Enter or Space opens the framed
// pairing's detail, and its context menu offers the detail and a copy of
// its three values. A click on a pairing frames it too.
//
// The grid owns its cells, but the window's layout places them, each where
// its row crosses its column, over this widget, which spans them all.
class ResultsGrid : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsGrid(const DialogUnits& units, QWidget* parent = nullptr);
  ~ResultsGrid() override;

  PairingCell& cell(int row, int column) { return *cells_[row - 1][column - 1]; }
  int current_row() const { return current_row_; }
  int current_column() const { return current_column_; }
  void SetCurrent(int row, int column);

 signals:
  void DetailRequested(int row, int column);
  // The framed pairing moved or took the focus: it should be in sight.
  void CurrentShown(PairingCell& pairing);
  // The menu's 値をコピー: the pairing's three values to the clipboard.
  void CopyRequested(int row, int column);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  PairingCell& current() { return cell(current_row_, current_column_); }
  void ShowMenu(const QPoint& global_position);

  std::array<std::array<std::unique_ptr<PairingCell>, Encounter::kSlots>, Encounter::kSlots> cells_;
  int current_row_ = 1;
  int current_column_ = 1;
};

}  // namespace zelmora
