#include "window/matchup_detail_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "engine/damage.h"
#include "engine/dice.h"
#include "engine/labels.h"
#include "engine/matchup.h"
#include "engine/text.h"
#include "gui/cp932_qstring.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"
#include "gui/number_fit.h"
#include "gui/term_tooltips.h"
#include "gui/text_fields.h"

namespace zelmora {
namespace {

constexpr int kTableColumns = MatchupDetailDialog::kTableColumns;
static_assert(MatchupDetailDialog::kTableRows == 1 + kTechniqueSteps);
using TableRow = std::array<std::string, kTableColumns>;

constexpr const char* kColumnHeadings[] = {"高度な技", "成功率", "ファンブル",
                                           "クリット", "ＰＨ",   "ＣＲＰＨ"};
constexpr const char* kRowHeadings[] = {"自動発動", "０",     "－１０", "－２０",
                                        "－３０",   "－４０", "－５０"};
static_assert(std::size(kRowHeadings) == MatchupDetailDialog::kTableRows);
constexpr int kCellWidth = 30;  // dialog units
constexpr int kCellHeight = 9;  // rows of the table touch each other

// A read-only field that shows a value of the pairing; `framed` for the
// names and the table, unframed for the values that stand after a label.
QLineEdit* NewValue(QWidget& parent, int width, bool framed,
                    Qt::Alignment alignment = Qt::AlignLeft) {
  QLineEdit* value = NewField(parent, width);
  MakeOutputField(*value);
  if (!framed) RemoveFrame(*value);
  value->setAlignment(alignment | Qt::AlignVCenter);
  return value;
}

void SetText(QLineEdit* field, const QString& text) { SetTextFromStart(*field, text); }

// A name wider than its field shows whole in the field's tooltip.
void SetName(QLineEdit* field, const QString& name) {
  SetText(field, name);
  const bool cut = field->fontMetrics().horizontalAdvance(name) > VisibleTextWidth(*field);
  field->setToolTip(cut ? name : QString());
}

// What the dialog shows for a code outside its table (only a hand-edited
// roster file holds one).
constexpr std::string_view kUnknownCode = "?";

QString FromAscii(const std::string& text) { return QString::fromStdString(text); }

std::int64_t DefenceAgainst(const Defender& defender, std::int32_t defence_kind) {
  switch (defence_kind) {
    case kDefendPhysical:
      return defender.physical_defence;
    case kDefendMagic:
      return defender.magic_defence;
    default:
      return 0;
  }
}

// The symbol whose multiplier the damage uses.
std::string_view AffinitySymbol(std::int32_t attribute, const Defender& defender) {
  const std::optional<std::int32_t> affinity = EffectiveAffinity(attribute, defender);
  return affinity ? LabelOr(kAffinityLabels, *affinity, kUnknownCode) : kUnknownCode;
}

// "%2d.00"
std::string WholePercent(std::int32_t value) { return PadLeft(FormatInt(value), 2) + ".00"; }
// "%2.2f"
std::string TwoDecimals(double value) { return PadLeft(FormatFixed(value, 2), 2); }

// The auto-trigger row holds whole numbers and shows them as such.
TableRow AutoTriggerRow(const RollChances& c) {
  auto whole = [](double value) { return WholePercent(static_cast<std::int32_t>(value)); };
  return {whole(c.hit_percent), whole(c.attacker_fumble), whole(c.critical), whole(c.piercing),
          whole(c.critical_piercing)};
}

TableRow TechniqueRow(const RollChances& c) {
  return {TwoDecimals(c.hit_percent), TwoDecimals(c.attacker_fumble), TwoDecimals(c.critical),
          TwoDecimals(c.piercing), TwoDecimals(c.critical_piercing)};
}

constexpr int kWidth = 191;  // the dialog, in dialog units

}  // namespace

MatchupDetailDialog::MatchupDetailDialog(const Attacker& attacker, const Defender& defender,
                                         const MatchupResult& result, QWidget* parent)
    : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("命中率、ダメージ詳細"));
  MakeFields();
  LayOut();
  const MatchupDetail detail = DetailOf(attacker, defender);
  FillInputs(attacker, defender, detail);
  FillTable(detail);
  ShowFitted(*fields_.attack_chance, result.attack_chance);
  SetText(fields_.technique, FromAscii(result.technique));
  ShowFitted(*fields_.expected_damage, result.expected_damage);
}

// The note stands right of the expected damage, two lines high.
void MatchupDetailDialog::ShowTargetRank(TargetRank rank) {
  static const QString kTexts[] = {
      QStringLiteral("この攻撃側の\n最適な標的です"),
      QStringLiteral("この攻撃側の\n最適な標的ではない"),
      QStringLiteral("この攻撃側に\n最適な標的はない"),
  };
  target_rank_->setText(kTexts[static_cast<int>(rank)]);
}

// Widths in dialog units, as the values need them.
void MatchupDetailDialog::MakeFields() {
  auto plain = [this](int width, Qt::Alignment alignment = Qt::AlignLeft) {
    return NewValue(*this, width, false, alignment);
  };
  Fields& f = fields_;
  f.attacker_name = NewValue(*this, 71, true);
  f.defender_name = NewValue(*this, 71, true);
  f.judgment_value = plain(30);
  f.evasion_kind = plain(20);
  f.evasion_value = plain(32);
  f.damage = plain(42);
  f.defence_kind = plain(20);
  f.defence_value = plain(32);
  f.defence_option = plain(32);
  f.attack_attribute = plain(30, Qt::AlignRight);
  f.affinity_symbol = plain(20, Qt::AlignHCenter);
  f.attack_chance = plain(30);
  f.technique = plain(30);
  f.expected_damage = plain(40);
  for (auto& row : table_) {
    for (QLineEdit*& cell : row) {
      cell = NewValue(*this, kCellWidth, true);
      cell->setFixedHeight(DialogUnits(font()).Y(kCellHeight));
    }
  }
  target_rank_ = NewLabel(*this, QString(), Qt::AlignLeft | Qt::AlignTop);
  buttons_ = new DialogButtons(*this, DialogButtons::Kind::kOk);
}

// The names, the inputs in two columns (a label and its value, then a label,
// a kind in brackets and its value), the results, the table, OK.
void MatchupDetailDialog::LayOut() {
  const Fields& f = fields_;
  const DialogUnits units(font());
  auto label = [this](const char* text) {
    return NewLabel(*this, QString::fromUtf8(text), Qt::AlignLeft | Qt::AlignVCenter);
  };
  auto* lines = new QVBoxLayout(this);
  AddLine(*lines, {f.attacker_name, label("V.S."), f.defender_name, nullptr});

  auto* inputs = new QGridLayout;
  inputs->setHorizontalSpacing(0);
  const std::array<QWidget*, 6> input_rows[] = {
      {label("命中値："), f.judgment_value, label("回避率（"), f.evasion_kind, label("）："),
       f.evasion_value},
      {label("ダメージ："), f.damage, label("防御力（"), f.defence_kind, label("）："),
       f.defence_value},
      {label("防御属性："), f.defence_option, label("相性："), f.attack_attribute, label("＝"),
       f.affinity_symbol},
  };
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 6; ++column) {
      inputs->addWidget(input_rows[row][column], row, column + (column >= 2 ? 1 : 0));
    }
  }
  inputs->setColumnMinimumWidth(2, units.X(4));
  inputs->setColumnStretch(7, 1);
  lines->addLayout(inputs);
  lines->addSpacing(units.Y(3));

  AddLine(*lines,
          {label("命中率："), f.attack_chance, label("最適な高度な技："), f.technique, nullptr});
  AddLine(*lines, {label("期待ダメージ："), f.expected_damage, target_rank_, nullptr});
  lines->addSpacing(units.Y(3));
  lines->addLayout(LayOutTable());
  lines->addWidget(buttons_);
  FixToContents(*lines, kWidth);
}

// A heading over each column, a heading before each row, and a cell at
// every crossing; the cells touch. A heading's tooltip explains its term.
QGridLayout* MatchupDetailDialog::LayOutTable() {
  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  const auto heading = [this](const char* text, Qt::Alignment alignment) {
    QLabel* label = NewLabel(*this, QString::fromUtf8(text), alignment);
    label->setToolTip(TermTooltip(label->text()));
    return label;
  };
  for (int column = 0; column <= kTableColumns; ++column) {
    grid->addWidget(heading(kColumnHeadings[column], Qt::AlignLeft | Qt::AlignBottom), 0, column);
  }
  for (int row = 0; row < kTableRows; ++row) {
    grid->addWidget(heading(kRowHeadings[row], Qt::AlignLeft | Qt::AlignVCenter), row + 1, 0);
    for (int column = 0; column < kTableColumns; ++column) {
      grid->addWidget(table_[row][column], row + 1, column + 1);
    }
  }
  grid->setColumnMinimumWidth(0, DialogUnits(font()).X(28));
  return grid;
}

// "  n D6 + k", both numbers fitted together; the tooltip has them whole.
void MatchupDetailDialog::SetDamage(std::int32_t dice_count, std::int32_t damage_bonus) {
  auto text = [=](int digits) {
    return QStringLiteral("  ") + NumberText(dice_count, digits) + QStringLiteral(" D6 + ") +
           NumberText(damage_bonus, digits);
  };
  QLineEdit& field = *fields_.damage;
  SetTextFromStart(field, FitDigits(text, field.fontMetrics(), VisibleTextWidth(field)));
  field.setToolTip(text(kMostDigits));
}

// The judgment and evasion values are the detail's, the two the table's
// roll chances are worked out from.
void MatchupDetailDialog::FillInputs(const Attacker& attacker, const Defender& defender,
                                     const MatchupDetail& detail) {
  const Fields& f = fields_;
  const std::int32_t defence_kind = ShownDefenceKind(attacker.defence_flags);
  SetName(f.attacker_name, QStringFromCp932(attacker.name));
  SetName(f.defender_name, QStringFromCp932(defender.name));
  ShowFitted(*f.judgment_value, static_cast<double>(detail.judgment_value));
  SetText(f.evasion_kind,
          QStringFromCp932(LabelOr(kEvasionKindLabels, attacker.evasion_kind, kUnknownCode)));
  ShowFitted(*f.evasion_value, static_cast<double>(detail.evasion_value));
  SetDamage(attacker.dice_count, attacker.damage_bonus);
  SetText(f.defence_kind, QStringFromCp932(kDefenceKindLabels[defence_kind]));
  ShowFitted(*f.defence_value, static_cast<double>(DefenceAgainst(defender, defence_kind)));
  SetText(f.defence_option,
          QStringFromCp932(kDefenceOptionLabels[DefenceOptionOf(attacker.defence_flags)]));
  SetText(f.attack_attribute, QStringFromCp932(LabelOr(kAttackAttributeLabels,
                                                       attacker.attack_attribute, kUnknownCode)));
  SetText(f.affinity_symbol, QStringFromCp932(AffinitySymbol(attacker.attack_attribute, defender)));
}

// The raw roll chances of the two values shown above; a row the detail does
// not have stays empty.
void MatchupDetailDialog::FillTable(const MatchupDetail& detail) {
  auto fill_row = [this](int row, const TableRow& cells) {
    for (int column = 0; column < kTableColumns; ++column) {
      SetText(table_[row][column], FromAscii(cells[column]));
    }
  };
  if (detail.auto_trigger) fill_row(0, AutoTriggerRow(*detail.auto_trigger));
  for (int step = 0; step < kTechniqueSteps; ++step) {
    if (detail.techniques[step]) fill_row(1 + step, TechniqueRow(*detail.techniques[step]));
  }
}

}  // namespace zelmora
