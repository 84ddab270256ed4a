#include "window/pairing_highlight.h"

#include <QAction>
#include <QLineEdit>

#include "gui/number_fit.h"
#include "window/user_settings.h"

namespace zelmora {
namespace {

const QString kMarkBestKey = QStringLiteral("view/markBestTargets");
const QString kHeatMapKey = QStringLiteral("view/heatMap");

QColor ToColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

constexpr std::size_t kDamageCell = 2;

}  // namespace

PairingHighlight::PairingHighlight(const Encounter& encounter,
                                   const PairingGrid<PairingCells>& cells)
    : encounter_(encounter),
      mark_best_(UserSettings().value(kMarkBestKey, true).toBool()),
      heat_map_(UserSettings().value(kHeatMapKey, false).toBool()) {
  for (int row = 0; row < Encounter::kSlots; ++row) {
    for (int column = 0; column < Encounter::kSlots; ++column) {
      for (std::size_t i = 0; i < cells[row][column].size(); ++i) {
        QLineEdit* edit = cells[row][column][i];
        cells_[row][column][i] = {edit, edit->palette()};
      }
    }
  }
}

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
      Show(row, column, look);
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

// The tint covers the pairing's three cells; bold and underline mark the
// value the choice rests on, for whoever cannot tell the tints apart.
void PairingHighlight::Show(int row, int column, const Look& look) {
  for (std::size_t i = 0; i < cells_[row][column].size(); ++i) {
    const PlainCell& cell = cells_[row][column][i];
    QPalette palette = cell.palette;
    if (look.tint) {
      palette.setColor(QPalette::Base, ToColor(look.tint->background));
      palette.setColor(QPalette::Text, ToColor(look.tint->text));
    }
    cell.edit->setPalette(palette);
    if (i == kDamageCell && cell.edit->font().bold() != look.best) {
      QFont font = cell.edit->font();
      font.setBold(look.best);
      font.setUnderline(look.best);
      cell.edit->setFont(font);
      // Bold digits are wider: fit the value again to the new font.
      cell.edit->setToolTip({});
      ShowFitted(*cell.edit, encounter_.result(row + 1, column + 1).expected_damage);
    }
  }
}

}  // namespace zelmora
