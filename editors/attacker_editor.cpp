#include "editors/attacker_editor.h"

#include <QComboBox>
#include <QLineEdit>

#include "editors/editor_fields.h"
#include "engine/labels.h"
#include "gui/dialog_builder.h"
#include "resources/attacker_editor_ids.h"

namespace zelmora {
namespace {

using namespace attacker_ids;

constexpr SlotButtons kSlotButtons = {kSwap, kCopy, kSaveOne, kLoadOne};

struct NumberEdit {
  int id;
  std::int32_t Attacker::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {kJudgmentValue, &Attacker::judgment_value},
    {kDiceCount, &Attacker::dice_count},
    {kDamageBonus, &Attacker::damage_bonus},
    {kAttackCount, &Attacker::attack_count},
};

// Lists whose selected position is the stored value.
struct ValueList {
  int id;
  const LabelTable* labels;
  std::int32_t Attacker::*field;
};
const ValueList kValueLists[] = {
    {kJudgmentKind, &kJudgmentKindLabels, &Attacker::judgment_kind},
    {kEvasionKind, &kEvasionKindLabels, &Attacker::evasion_kind},
    {kAttackAttribute, &kAttackAttributeLabels, &Attacker::attack_attribute},
};

// Position 0 "可" stands for flag 1; any non-zero flag shows "可".
int AutoTriggerPosition(std::int32_t flag) { return flag != 0 ? 0 : 1; }
std::int32_t AutoTriggerFlag(int position) { return position == 0 ? 1 : 0; }

}  // namespace

AttackerEditor::AttackerEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent)
    : QDialog(parent),
      working_(encounter.attacker(slot)),
      operations_(*this, prompts, encounter.attackers(), working_, slot,
                  [this] { ShowWorking(); }) {
  BuildDialog(*this, layout::kAttackerEditor);
  FillLists();
  BindControls();
  operations_.Connect(kSlotButtons);
  ShowWorking();
}

void AttackerEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

void AttackerEditor::FillLists() {
  for (const ValueList& list : kValueLists) {
    FillList(ListById(*this, list.id), *list.labels);
  }
  FillList(ListById(*this, kDefenceKind), kDefenceKindLabels);
  FillList(ListById(*this, kDefenceOption), kDefenceOptionLabels);
  FillList(ListById(*this, kAutoTrigger), kAutoTriggerLabels);
}

void AttackerEditor::BindControls() {
  BindName(EditById(*this, kName), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    std::int32_t& field = working_.*list.field;
    connect(&ListById(*this, list.id), &QComboBox::activated, this,
            [&field](int position) { field = position; });
  }
  connect(&ListById(*this, kAutoTrigger), &QComboBox::activated, this,
          [this](int position) { working_.auto_trigger = AutoTriggerFlag(position); });
  for (const int id : {kDefenceKind, kDefenceOption}) {
    connect(&ListById(*this, id), &QComboBox::activated, this, [this] { StoreDefenceFlags(); });
  }
}

// Rebuilt from both lists, so bits the flags held from a file are dropped.
void AttackerEditor::StoreDefenceFlags() {
  working_.defence_flags = DefenceFlags(ListById(*this, kDefenceKind).currentIndex(),
                                        ListById(*this, kDefenceOption).currentIndex());
}

void AttackerEditor::ShowWorking() {
  ShowName(EditById(*this, kName), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    ShowPosition(ListById(*this, list.id), working_.*list.field);
  }
  ShowPosition(ListById(*this, kAutoTrigger), AutoTriggerPosition(working_.auto_trigger));
  ShowPosition(ListById(*this, kDefenceKind), ShownDefenceKind(working_.defence_flags));
  ShowPosition(ListById(*this, kDefenceOption), DefenceOptionOf(working_.defence_flags));
}

}  // namespace zelmora
