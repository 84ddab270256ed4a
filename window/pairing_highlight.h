#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>
#include <array>
#include <optional>

#include "engine/encounter.h"
#include "window/pairing_marks.h"

class QAction;
class QLineEdit;

namespace zelmora {

// Paints the pairing cells of the grid after each recalculation: each
// attacker's best target in bold, underlined and tinted, and with the heat
// map every pairing tinted by its expected damage. Both switches live in
// the 表示 menu and in the user's settings. Only cells whose look changes
// are touched, so that a keystroke costs no more than before.
class PairingHighlight : public QObject {
 public:
  // The three result cells of one pairing; the last one is the expected
  // damage, the value the best target is chosen by.
  using PairingCells = std::array<QLineEdit*, 3>;

  PairingHighlight(const Encounter& encounter, const PairingGrid<PairingCells>& cells);

  // The menu's two checkable items: checked as the settings say, and each
  // toggle stored and shown at once.
  void BindActions(QAction& mark_best, QAction& heat_map);
  // Brings every pairing's look in line with the encounter's results.
  void Apply();

 private:
  struct Look {
    bool best = false;
    std::optional<Tint> tint;
    bool operator==(const Look&) const = default;
  };
  struct PlainCell {
    QLineEdit* edit = nullptr;
    QPalette palette;
  };

  Look LookOf(int row, int column, const PairingGrid<bool>& best, double highest) const;
  void Show(int row, int column, const Look& look);

  const Encounter& encounter_;
  PairingGrid<std::array<PlainCell, 3>> cells_{};
  PairingGrid<Look> shown_{};
  bool mark_best_;
  bool heat_map_;
};

}  // namespace zelmora
