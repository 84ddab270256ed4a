#include "window/pairing_cell.h"

#include <QGridLayout>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <iterator>

#include "gui/term_tooltips.h"
#include "window/grid_units.h"

namespace zelmora {
namespace {

// The first column in dialog units: "成功率" at 2 (21 wide), the chance at
// 23 (23), "高度" at 46 (14), the technique at 60 (13); "期待DMG" at 2 (31),
// the damage at 33 (22), "詳細" at 55 (17). The other columns: the chance at
// 1 (20) and the technique at 21 (13), right-aligned, apart from it; the
// damage at 1 (22) and the blank button at 23 (11 by 10). Lines at 6 and 19
// in a band of 35, 11 high. The chance and the damage take any width the
// window gives.
struct Place {
  int line, column, width;
};
struct Arrangement {
  Place labels[3];
  Place chance, technique, damage, detail;
  int left;
};
constexpr Arrangement kFirstColumn = {
    {{0, 0, 21}, {0, 2, 14}, {1, 0, 31}}, {0, 1, 23}, {0, 3, 13}, {1, 1, 22}, {1, 2, 17}, 2};
constexpr Arrangement kOtherColumns = {{}, {0, 1, 20}, {0, 3, 13}, {1, 1, 22}, {1, 2, 11}, 1};
const char* const kLabels[] = {"成功率", "高度", "期待DMG"};

}  // namespace

PairingCell::PairingCell(int row, int column, const DialogUnits& units, QWidget* parent)
    : QWidget(parent),
      row_(row),
      column_(column),
      chance_(*this, column == 1 ? Qt::AlignHCenter : Qt::AlignLeft),
      technique_(*this, column == 1 ? Qt::AlignHCenter : Qt::AlignRight),
      damage_(*this, column == 1 ? Qt::AlignHCenter : Qt::AlignLeft) {
  const Arrangement& at = column == 1 ? kFirstColumn : kOtherColumns;
  // Each line is a grid of its own, so that the two lines divide the width
  // differently.
  auto* lines = new QVBoxLayout(this);
  lines->setContentsMargins(units.X(at.left), units.Y(6), column == 1 ? 0 : units.X(1),
                            units.Y(35) - units.Y(30));
  lines->setSpacing(units.Y(19) - units.Y(17));
  QHBoxLayout* line[2] = {new QHBoxLayout, new QHBoxLayout};
  for (QHBoxLayout* l : line) {
    l->setSpacing(0);
    lines->addLayout(l);
  }
  // Each line from left to right: the widgets, and the places of the
  // results, which the cell paints.
  QWidget* widgets[2][4] = {};
  QLayoutItem* places[2][4] = {};
  const auto result = [&](ResultCell& cell, const Place& place, bool grows) {
    const QSize minimum(units.X(place.width), units.Y(11));
    places[place.line][place.column] =
        cell.MakePlace(minimum, grows ? QLAYOUTSIZE_MAX : minimum.width());
  };
  result(chance_, at.chance, true);
  result(technique_, at.technique, false);
  result(damage_, at.damage, true);
  if (column == 1) {
    detail_.setText(QStringLiteral("詳細"));
    SetFixedUnits(detail_, units, at.detail.width, 11);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
      labels_[i] = std::make_unique<Caption>(QString::fromUtf8(kLabels[i]));
      SetFixedUnits(*labels_[i], units, at.labels[i].width, 11);
      widgets[at.labels[i].line][at.labels[i].column] = labels_[i].get();
    }
  } else {
    SetFixedUnits(detail_, units, at.detail.width, 10);
  }
  widgets[at.detail.line][at.detail.column] = &detail_;
  detail_.setFocusPolicy(Qt::NoFocus);
  // The chance and the damage share what width the window gives.
  for (int l = 0; l < 2; ++l) {
    for (int c = 0; c < 4; ++c) {
      if (widgets[l][c]) line[l]->addWidget(widgets[l][c]);
      if (!places[l][c]) continue;
      line[l]->addItem(places[l][c]);
      const bool grows = places[l][c]->expandingDirections() & Qt::Horizontal;
      line[l]->setStretch(line[l]->count() - 1, grows ? 1 : 0);
    }
  }
}

void PairingCell::ShowResult(const MatchupResult& result) {
  chance_.ShowNumber(result.attack_chance);
  const QString technique = QString::fromStdString(result.technique);
  technique_.ShowText(technique);
  technique_.SetExplanation(TechniqueTooltip(technique));
  damage_.ShowNumber(result.expected_damage);
}

QString PairingCell::WholeResults() const {
  const ResultCell* results[] = {&chance_, &technique_, &damage_};
  QStringList parts;
  for (std::size_t i = 0; i < std::size(results); ++i) {
    parts << QString::fromUtf8(kLabels[i]) + QLatin1Char(' ') + results[i]->WholeText();
  }
  return parts.join(QStringLiteral("、"));
}

void PairingCell::SetLook(const std::optional<Tint>& tint, bool best) {
  chance_.SetLook(tint, false);
  technique_.SetLook(tint, false);
  damage_.SetLook(tint, best);
}

void PairingCell::SetNames(const QString& attacker, const QString& defender) {
  const QString pairing = QStringLiteral("%1 対 %2").arg(attacker, defender);
  setAccessibleName(pairing);
  const QString opens = pairing + QStringLiteral(" の詳細");
  detail_.setToolTip(opens);
  detail_.setAccessibleName(opens);
}

void PairingCell::SetFocusFrame(bool shown) {
  if (shown == focus_frame_) return;
  focus_frame_ = shown;
  update();
}

bool PairingCell::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && ShowResultToolTip(*static_cast<QHelpEvent*>(event), *this,
                                                            {&chance_, &technique_, &damage_})) {
    return true;
  }
  return QWidget::event(event);
}

// The frame runs round the cell's edge, in the margin its results leave,
// in the colour of a selection so that it stands out from the tints.
void PairingCell::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintResults(painter, event->rect(), {&chance_, &technique_, &damage_});
  if (!focus_frame_) return;
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace zelmora
