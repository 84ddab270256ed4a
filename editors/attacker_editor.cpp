#include "editors/attacker_editor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/editor_fields.h"
#include "editors/slot_button_row.h"
#include "engine/labels.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"

namespace zelmora {
namespace {

using Fields = AttackerEditor::Fields;

struct NumberEdit {
  QLineEdit* Fields::*edit;
  std::int32_t Attacker::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {&Fields::judgment_value, &Attacker::judgment_value},
    {&Fields::dice_count, &Attacker::dice_count},
    {&Fields::damage_bonus, &Attacker::damage_bonus},
    {&Fields::attack_count, &Attacker::attack_count},
};

// Lists whose selected position is the stored value.
struct ValueList {
  QComboBox* Fields::*list;
  const LabelTable* labels;
  std::int32_t Attacker::*field;
};
const ValueList kValueLists[] = {
    {&Fields::judgment_kind, &kJudgmentKindLabels, &Attacker::judgment_kind},
    {&Fields::evasion_kind, &kEvasionKindLabels, &Attacker::evasion_kind},
    {&Fields::attack_attribute, &kAttackAttributeLabels, &Attacker::attack_attribute},
};

// Position 0 "可" stands for flag 1; any non-zero flag shows "可".
int AutoTriggerPosition(std::int32_t flag) { return flag != 0 ? 0 : 1; }
std::int32_t AutoTriggerFlag(int position) { return position == 0 ? 1 : 0; }

constexpr int kWidth = 187;  // the dialog, in dialog units

}  // namespace

// The fields are made in tab order, then the slot buttons, then OK and
// ｷｬﾝｾﾙ: the order of making is the order of the focus chain.
AttackerEditor::AttackerEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent)
    : QDialog(parent),
      working_(encounter.attacker(slot)),
      operations_(*this, prompts, encounter.attackers(), working_, slot,
                  [this] { ShowWorking(); }) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("行動側詳細設定"));
  fields_ = {NewInputField(*this, 122), NewInputField(*this, 40), NewInputField(*this, 21),
             NewInputField(*this, 23),  new QComboBox(this),      new QComboBox(this),
             new QComboBox(this),       new QComboBox(this),      new QComboBox(this),
             NewInputField(*this, 19),  new QComboBox(this)};
  slot_buttons_ = new SlotButtonRow(*this);
  buttons_ = new DialogButtons(*this, DialogButtons::Kind::kOkCancel);
  FillLists();
  LayOut();
  BindControls();
  operations_.Connect(*slot_buttons_, *buttons_->cancel());
  ShowWorking();
  fields_.name->setFocus();
}

void AttackerEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

// Each label stands right before its control; the stretches spread the
// controls of a line as the fields of a game's sheet are spread.
void AttackerEditor::LayOut() {
  const Fields& f = fields_;
  auto label = [this](const char* text) { return NewLabel(*this, QString::fromUtf8(text)); };
  auto* lines = new QVBoxLayout(this);
  AddLine(*lines, {label("名称："), f.name, nullptr});
  AddLine(*lines,
          {label("判定値："), f.judgment_value, nullptr, label("判定の種類："), f.judgment_kind});
  AddLine(*lines, {label("ダメージ："), f.dice_count, label("D6 + "), f.damage_bonus, nullptr})
      .insertSpacing(0, DialogUnits(font()).X(4));
  AddLine(*lines, {label("回避："), f.evasion_kind, nullptr, label("防御："), f.defence_kind,
                   nullptr, label("防御OPT："), f.defence_option});
  AddLine(*lines, {label("相性："), f.attack_attribute, nullptr, label("攻撃回数："),
                   f.attack_count, nullptr, label("自動発動："), f.auto_trigger});
  lines->addWidget(slot_buttons_);
  lines->addWidget(buttons_);
  FixToContents(*lines, kWidth);
}

void AttackerEditor::FillLists() {
  for (const ValueList& list : kValueLists) FillList(*(fields_.*list.list), *list.labels);
  FillList(*fields_.defence_kind, kDefenceKindLabels);
  FillList(*fields_.defence_option, kDefenceOptionLabels);
  FillList(*fields_.auto_trigger, kAutoTriggerLabels);
}

void AttackerEditor::BindControls() {
  BindName(*fields_.name, working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(*(fields_.*edit.edit), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    std::int32_t& field = working_.*list.field;
    connect(fields_.*list.list, &QComboBox::activated, this,
            [&field](int position) { field = position; });
  }
  connect(fields_.auto_trigger, &QComboBox::activated, this,
          [this](int position) { working_.auto_trigger = AutoTriggerFlag(position); });
  for (QComboBox* list : {fields_.defence_kind, fields_.defence_option}) {
    connect(list, &QComboBox::activated, this, [this] { StoreDefenceFlags(); });
  }
}

// Rebuilt from both lists, so bits the flags held from a file are dropped.
void AttackerEditor::StoreDefenceFlags() {
  working_.defence_flags =
      DefenceFlags(fields_.defence_kind->currentIndex(), fields_.defence_option->currentIndex());
}

void AttackerEditor::ShowWorking() {
  ShowName(*fields_.name, working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(*(fields_.*edit.edit), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    ShowPosition(*(fields_.*list.list), working_.*list.field);
  }
  ShowPosition(*fields_.auto_trigger, AutoTriggerPosition(working_.auto_trigger));
  ShowPosition(*fields_.defence_kind, ShownDefenceKind(working_.defence_flags));
  ShowPosition(*fields_.defence_option, DefenceOptionOf(working_.defence_flags));
}

}  // namespace zelmora
