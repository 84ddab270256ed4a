#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "engine/encounter.h"
#include "gui/dialog_units.h"
#include "window/caption.h"
#include "window/grid_button.h"
#include "window/pairing_marks.h"
#include "window/result_cell.h"

namespace zelmora {

// Where one attacker's row crosses one defender's column: the attack chance
// and the technique on the upper line, the expected damage and the button
// that opens the pairing's detail on the lower one. The first column labels
// its results "成功率", "高度" and "期待DMG" and captions its button "詳細";
// the other columns have bare results and a small blank button. The cell
// takes no focus itself: the results grid moves a focus frame over the
// pairings.
class PairingCell : public QWidget {
  Q_OBJECT

 public:
  PairingCell(int row, int column, const DialogUnits& units, QWidget* parent = nullptr);

  int row() const { return row_; }
  int column() const { return column_; }
  ResultCell& chance() { return chance_; }
  ResultCell& technique() { return technique_; }
  ResultCell& damage() { return damage_; }
  QPushButton& detail_button() { return detail_; }
  // The three results whole, each after its label: "成功率 66.33、高度 -30、…".
  QString WholeResults() const;

  void ShowResult(const MatchupResult& result);
  // The tint covers the three results; the best target's damage, the value
  // the choice rests on, is bold and underlined for whoever cannot tell the
  // tints apart.
  void SetLook(const std::optional<Tint>& tint, bool best);
  // The names the detail button's tooltip and accessible name give.
  void SetNames(const QString& attacker, const QString& defender);
  // The one pairing the keyboard acts on, framed while the grid has focus.
  void SetFocusFrame(bool shown);
  bool focus_frame() const { return focus_frame_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int row_;
  int column_;
  ResultCell chance_;
  ResultCell technique_;
  ResultCell damage_;  // painted by the cell, as the two above
  GridButton detail_;
  std::array<std::unique_ptr<Caption>, 3> labels_;  // first column only
  bool focus_frame_ = false;
};

}  // namespace zelmora
