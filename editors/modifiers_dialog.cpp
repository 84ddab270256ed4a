#include "editors/modifiers_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/editor_fields.h"
#include "engine/text.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"
#include "gui/numeric_text.h"
#include "gui/text_fields.h"

namespace zelmora {
namespace {

using Fields = ModifiersDialog::Fields;

// Each value's field and label, in ShownModifiers order; each box holds
// four, two to a line.
struct ShownField {
  QLineEdit* Fields::*field;
  const char* label;
};
constexpr ShownField kShown[] = {
    {&Fields::physical_hit, "物理命中率："},      {&Fields::magic_hit, "魔法命中率："},
    {&Fields::physical_damage, "物理ダメージ："}, {&Fields::magic_damage, "魔法ダメージ："},
    {&Fields::physical_evasion, "物理回避："},    {&Fields::magic_evasion, "魔法回避："},
    {&Fields::physical_defence, "物理防御点："},  {&Fields::magic_defence, "魔法防御点："},
};
static_assert(std::size(kShown) == std::tuple_size_v<ShownModifiers>);
constexpr int kPerBox = 4;
constexpr int kFieldWidth = 35;  // dialog units

constexpr int kWidth = 187;  // the dialog, in dialog units

}  // namespace

ModifiersDialog::ModifiersDialog(const ShownModifiers& shown, QWidget* parent) : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("ボーナス／ペナルティ"));
  for (const ShownField& shown_field : kShown) {
    fields_.*shown_field.field = NewInputField(*this, kFieldWidth);
  }
  buttons_ = new DialogButtons(*this, DialogButtons::Kind::kOkCancel);
  LayOut();
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SetTextFromStart(*(fields_.*kShown[i].field), QString::fromStdString(FormatInt(shown[i])));
  }
  fields_.physical_hit->setFocus();
}

ShownModifiers ModifiersDialog::Values() const {
  ShownModifiers values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = ParseLeadingInt(NumericText((fields_.*kShown[i].field)->text()));
  }
  return values;
}

// Labels on the left of their fields, in two columns; a stretch after each
// column keeps the right column where it stands.
void ModifiersDialog::LayOut() {
  auto* lines = new QVBoxLayout(this);
  std::size_t value = 0;
  for (const char* title : {"攻撃側", "防御側"}) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < kPerBox; ++i, ++value) {
      const int column = 3 * (i % 2);
      const ShownField& shown = kShown[value];
      grid->addWidget(
          NewLabel(*this, QString::fromUtf8(shown.label), Qt::AlignLeft | Qt::AlignVCenter), i / 2,
          column);
      grid->addWidget(fields_.*shown.field, i / 2, column + 1);
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    lines->addWidget(box);
  }
  lines->addWidget(buttons_);
  FixToContents(*lines, kWidth);
}

}  // namespace zelmora
