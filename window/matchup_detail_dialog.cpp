#include "window/matchup_detail_dialog.h"

#include <QLabel>
#include <QLineEdit>
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
#include "gui/dialog_builder.h"
#include "gui/number_fit.h"
#include "resources/matchup_detail_ids.h"

namespace zelmora {
namespace {

using namespace detail_ids;

// Row 0 of the table is auto-trigger, rows 1 to 6 the technique penalties
// 0 to 50.
static_assert(kTableRows == 1 + kTechniqueSteps);
using TableRow = std::array<std::string, kTableColumns>;

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

}  // namespace

MatchupDetailDialog::MatchupDetailDialog(const Attacker& attacker, const Defender& defender,
                                         const MatchupResult& result, QWidget* parent)
    : QDialog(parent) {
  BuildDialog(*this, layout::kMatchupDetailDialog);
  const MatchupDetail detail = DetailOf(attacker, defender);
  FillInputs(attacker, defender, detail);
  FillTable(detail);
  SetNumber(kAttackChance, result.attack_chance);
  SetField(kTechnique, FromAscii(result.technique));
  SetNumber(kExpectedDamage, result.expected_damage);
}

// The note takes the free space right of the expected damage, two lines
// high, so that it follows that field wherever the layout puts it.
void MatchupDetailDialog::ShowTargetRank(TargetRank rank) {
  static const QString kTexts[] = {
      QStringLiteral("この攻撃側の\n最適な標的です"),
      QStringLiteral("この攻撃側の\n最適な標的ではない"),
      QStringLiteral("この攻撃側に\n最適な標的はない"),
  };
  const QLineEdit& damage = *ControlById<QLineEdit>(*this, kExpectedDamage);
  auto* note = new QLabel(kTexts[static_cast<int>(rank)], this);
  note->setObjectName(QStringLiteral("targetRank"));
  note->setWordWrap(true);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const int gap = damage.height() / 2;
  const int left = damage.geometry().right() + gap;
  note->setGeometry(left, damage.y(), width() - left - gap, 2 * damage.height());
  note->show();
}

void MatchupDetailDialog::SetField(int id, const QString& text) {
  SetTextFromStart(*ControlById<QLineEdit>(*this, id), text);
}

void MatchupDetailDialog::SetNumber(int id, double value) {
  ShowFitted(*ControlById<QLineEdit>(*this, id), value);
}

// "  n D6 + k", both numbers fitted together; the tooltip has them whole.
void MatchupDetailDialog::SetDamage(std::int32_t dice_count, std::int32_t damage_bonus) {
  auto text = [=](int digits) {
    return "  " + NumberText(dice_count, digits) + " D6 + " + NumberText(damage_bonus, digits);
  };
  QLineEdit& field = *ControlById<QLineEdit>(*this, kDamage);
  SetTextFromStart(field, FitDigits(text, field.fontMetrics(), VisibleTextWidth(field)));
  field.setToolTip(text(kMostDigits));
}

// The judgment and evasion values are the detail's, the two the table's
// roll chances are worked out from.
void MatchupDetailDialog::FillInputs(const Attacker& attacker, const Defender& defender,
                                     const MatchupDetail& detail) {
  const std::int32_t defence_kind = ShownDefenceKind(attacker.defence_flags);
  SetField(kAttackerName, QStringFromCp932(attacker.name));
  SetField(kDefenderName, QStringFromCp932(defender.name));
  SetNumber(kJudgmentValue, static_cast<double>(detail.judgment_value));
  SetField(kEvasionKind,
           QStringFromCp932(LabelOr(kEvasionKindLabels, attacker.evasion_kind, kUnknownCode)));
  SetNumber(kEvasionValue, static_cast<double>(detail.evasion_value));
  SetDamage(attacker.dice_count, attacker.damage_bonus);
  SetField(kDefenceKind, QStringFromCp932(kDefenceKindLabels[defence_kind]));
  SetNumber(kDefenceValue, static_cast<double>(DefenceAgainst(defender, defence_kind)));
  SetField(kDefenceOption,
           QStringFromCp932(kDefenceOptionLabels[DefenceOptionOf(attacker.defence_flags)]));
  SetField(kAttackAttribute, QStringFromCp932(LabelOr(kAttackAttributeLabels,
                                                      attacker.attack_attribute, kUnknownCode)));
  SetField(kAffinitySymbol, QStringFromCp932(AffinitySymbol(attacker.attack_attribute, defender)));
}

// The raw roll chances of the two values shown above; a row the detail does
// not have stays empty.
void MatchupDetailDialog::FillTable(const MatchupDetail& detail) {
  auto fill_row = [this](int row, const TableRow& cells) {
    for (int column = 0; column < kTableColumns; ++column) {
      SetField(TableCell(row, column), FromAscii(cells[column]));
    }
  };
  if (detail.auto_trigger) fill_row(0, AutoTriggerRow(*detail.auto_trigger));
  for (int step = 0; step < kTechniqueSteps; ++step) {
    if (detail.techniques[step]) fill_row(1 + step, TechniqueRow(*detail.techniques[step]));
  }
}

}  // namespace zelmora
