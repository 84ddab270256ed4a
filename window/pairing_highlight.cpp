#include "window/pairing_highlight.h"

#include <QAction>

#include "gui/user_settings.h"
#include "window/results_grid.h"

namespace zelmora {
namespace {

const QString kMarkBestKey = QStringLiteral("view/markBestTargets");
const QString kHeatMapKey = QStringLiteral("view/heatMap");

}  // namespace

PairingHighlight::PairingHighlight(const Encounter& encounter, ResultsGrid& grid)
    : encounter_(encounter),
      grid_(grid),
      mark_best_(UserSettings().value(kMarkBestKey, true).toBool()),
      heat_map_(UserSettings().value(kHeatMapKey, false).toBool()) {}

void PairingHighlight::BindActions(QAction& mark_best, QAction& heat_map) {
  struct Switch {
    QAction& action;
    bool& on;
    const QString& key;
  };
  for (const Switch& s :
       {Switch{mark_best, mark_best_, kMarkBestKey}, Switch{heat_map, heat_map_, kHeatMapKey}}) {
    s.action.setCheckable(true);
    s.action.setChecked(s.on);
    connect(&s.action, &QAction::toggled, this, [this, &on = s.on, &key = s.key](bool checked) {
      on = checked;
      UserSettings().setValue(key, checked);
      Apply();
    });
  }
}

void PairingHighlight::Apply() {
  const PairingGrid<bool> best = BestTargets(encounter_);
  const double highest = HighestExpectedDamage(encounter_);
  for (int row = 0; row < Encounter::kSlots; ++row) {
    for (int column = 0; column < Encounter::kSlots; ++column) {
      const Look look = LookOf(row, column, best, highest);
      if (look == shown_[row][column]) continue;
      grid_.cell(row + 1, column + 1).SetLook(look.tint, look.best);
      shown_[row][column] = look;
    }
  }
}

PairingHighlight::Look PairingHighlight::LookOf(int row, int column, const PairingGrid<bool>& best,
                                                double highest) const {
  Look look;
  look.best = mark_best_ && best[row][column];
  if (heat_map_) {
    look.tint = HeatTint(encounter_.result(row + 1, column + 1).expected_damage, highest);
  } else if (look.best) {
    look.tint = BestTargetTint();
  }
  return look;
}

}  // namespace zelmora
