#include "window/calc_grid.h"

#include <QGridLayout>
#include <QPaintEvent>
#include <QPainter>

#include "window/grid_accessibility.h"
#include "window/grid_units.h"

namespace zelmora {
namespace {

constexpr int kSlots = Encounter::kSlots;

// The captions over the attacker part, in dialog units: "名称" centred over
// the names on the lower line (29), "命中率" over "ダメージ" at 75 (22 and
// 31), "成功率" over "期待値" centred over the results at 105.
struct HeaderCaption {
  const char* text;
  int line, column;
  Qt::Alignment alignment;
};
constexpr HeaderCaption kCaptions[] = {
    {"名称", 1, 1, Qt::AlignHCenter},   {"命中率", 0, 3, Qt::AlignLeft},
    {"ダメージ", 1, 3, Qt::AlignLeft},  {"成功率", 0, 4, Qt::AlignHCenter},
    {"期待値", 1, 4, Qt::AlignHCenter},
};

}  // namespace

CalcGrid::CalcGrid(QWidget* parent) : QWidget(parent), layout_(new QGridLayout(this)) {
  InstallGridAccessibility();
  setFont(WindowFont());
  const DialogUnits units(font());
  layout_->setSpacing(0);
  layout_->setContentsMargins(0, 0, units.X(1), 0);
  AddHeader(units);
  results_ = std::make_unique<ResultsGrid>(units);
  layout_->addWidget(results_.get(), 1, 1, kSlots, kSlots);
  for (int slot = 1; slot <= kSlots; ++slot) {
    attackers_[slot - 1] = std::make_unique<AttackerRow>(slot, units);
    layout_->addWidget(attackers_[slot - 1].get(), slot, 0);
    defenders_[slot - 1] = std::make_unique<DefenderColumn>(slot, units);
    layout_->addWidget(defenders_[slot - 1].get(), 0, slot);
    for (int column = 1; column <= kSlots; ++column) {
      layout_->addWidget(&results_->cell(slot, column), slot, column);
    }
  }
  results_->lower();  // under the cells it spans
  // A wider window widens the results, the first column twice as much; a
  // taller one leaves the rows as they are.
  layout_->setColumnStretch(1, 2);
  for (int column = 2; column <= kSlots; ++column) layout_->setColumnStretch(column, 1);
  layout_->setRowStretch(kSlots + 1, 1);
  layout_->setRowMinimumHeight(kSlots + 1, units.Y(226) - units.Y(212));
  ChainTabOrder();
}

CalcGrid::~CalcGrid() = default;

// "再計算" (9, 2, 38 by 16) and "全体ボーナス設定" (56, 2, 62 by 14) on
// top; the captions on two lines of 9 units ending where the rows begin.
void CalcGrid::AddHeader(const DialogUnits& units) {
  auto* header = new QVBoxLayout;
  header->setContentsMargins(0, units.Y(2), 0, 0);
  header->setSpacing(0);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(units.X(9));
  buttons->setContentsMargins(units.X(9), 0, 0, 0);
  SetFixedUnits(recalculate_, units, 38, 16);
  SetFixedUnits(modifiers_, units, 62, 14);
  buttons->addWidget(&recalculate_, 0, Qt::AlignTop);
  buttons->addWidget(&modifiers_, 0, Qt::AlignTop);
  buttons->addStretch();
  header->addLayout(buttons);
  header->addStretch();
  auto* captions = new QGridLayout;
  captions->setSpacing(0);
  captions->setColumnMinimumWidth(0, units.X(8));
  captions->setColumnMinimumWidth(2, units.X(1));
  captions->setColumnMinimumWidth(3, units.X(30));
  captions->setColumnMinimumWidth(4, units.X(22));
  captions->setColumnStretch(1, 1);
  for (std::size_t i = 0; i < std::size(kCaptions); ++i) {
    const HeaderCaption& c = kCaptions[i];
    Caption& label = captions_[i];
    label.SetText(QString::fromUtf8(c.text), c.alignment);
    label.setFixedHeight(units.Y(9));
    label.setMinimumWidth(units.X(c.column == 1 ? 66 : c.column == 3 ? 30 : 22));
    captions->addWidget(&label, c.line, c.column);
  }
  header->addLayout(captions);
  recalculate_.setDefault(true);
  layout_->addLayout(header, 0, 0);
}

void CalcGrid::ChainTabOrder() {
  std::vector<QWidget*> order = {&recalculate_};
  for (auto& row : attackers_) {
    order.insert(order.end(), {&row->name(), &row->judgment(), &row->dice(), &row->bonus()});
  }
  for (auto& column : defenders_) {
    order.insert(order.end(), {&column->name(), &column->evasion(), &column->defence()});
  }
  order.push_back(results_.get());
  for (auto& row : attackers_) order.push_back(&row->editor_button());
  for (auto& column : defenders_) order.push_back(&column->editor_button());
  order.push_back(&modifiers_);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// Each attacker row is framed across the whole width, each defender column
// from just under the top down through the last row; only the frames that
// cross the area to paint are drawn.
void CalcGrid::paintEvent(QPaintEvent* event) {
  const QRect last_row = layout_->cellRect(kSlots, kSlots);
  const int top = layout_->cellRect(0, 1).top() + DialogUnits(font()).Y(2);
  std::array<QRect, std::size_t{2} * kSlots> frames;
  for (int slot = 1; slot <= kSlots; ++slot) {
    const QRect row = layout_->cellRect(slot, 0);
    frames[slot - 1] = QRect(QPoint(0, row.top()), QPoint(last_row.right(), row.bottom()));
    const QRect column = layout_->cellRect(0, slot);
    frames[kSlots + slot - 1] =
        QRect(QPoint(column.left(), top), QPoint(column.right(), last_row.bottom()));
  }
  // An etched line, dark over light, as a group box's frame; drawn as thin
  // filled rectangles, which cost far less than stroking the outlines.
  QPainter painter(this);
  const QColor dark = palette().color(QPalette::Mid);
  const QColor light = palette().color(QPalette::Light);
  for (const QRect& frame : frames) {
    if (!event->region().intersects(frame) ||
        frame.adjusted(2, 2, -2, -2).contains(event->rect())) {
      continue;
    }
    for (const auto& [colour, outline] : {std::pair{dark, frame.adjusted(0, 0, -1, -1)},
                                          std::pair{light, frame.adjusted(1, 1, 0, 0)}}) {
      painter.fillRect(outline.left(), outline.top(), outline.width(), 1, colour);
      painter.fillRect(outline.left(), outline.bottom(), outline.width(), 1, colour);
      painter.fillRect(outline.left(), outline.top(), 1, outline.height(), colour);
      painter.fillRect(outline.right(), outline.top(), 1, outline.height(), colour);
    }
  }
}

}  // namespace zelmora
