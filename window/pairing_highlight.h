#pragma once

#include <QObject>
#include <optional>

#include "engine/encounter.h"
#include "window/pairing_marks.h"

class QAction;

namespace zelmora {

class ResultsGrid;

// Marks the pairing cells of the grid after each recalculation: each
// attacker's best target in bold, underlined and tinted, and with the heat
// map every pairing tinted by its expected damage. Both switches live in
// the 表示 menu and in the user's settings. Only pairings whose look
// changes are touched, so that a keystroke costs no more than before
// (bench/speed_limits.sh: at most 550,000 instructions with its repaint).
class PairingHighlight : public QObject {
 public:
  PairingHighlight(const Encounter& encounter, ResultsGrid& grid);

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

  Look LookOf(int row, int column, const PairingGrid<bool>& best, double highest) const;

  const Encounter& encounter_;
  ResultsGrid& grid_;
  PairingGrid<Look> shown_{};
  bool mark_best_;
  bool heat_map_;
};

}  // namespace zelmora
