#include "editors/attacker_editor.h"

#include <QComboBox>
#include <QLineEdit>

#include "editors/dialog_builder.h"
#include "editors/editor_fields.h"
#include "engine/labels.h"

namespace zelmora {
namespace {

constexpr int kNameId = 1018;
constexpr int kDefenceKindId = 1025;
constexpr int kDefenceOptionId = 1026;
constexpr int kAutoTriggerId = 1028;
// "QVM取り込み" (1247) stays in the layout without an action: monster sheets
// fill defenders only.
constexpr SlotButtons kSlotButtons = {1234, 1235, 1245, 1246};

struct NumberEdit {
  int id;
  std::int32_t Attacker::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {1019, &Attacker::judgment_value},
    {1020, &Attacker::dice_count},
    {1021, &Attacker::damage_bonus},
    {1022, &Attacker::attack_count},
};

// Lists whose selected position is the stored value.
struct ValueList {
  int id;
  const LabelTable* labels;
  std::int32_t Attacker::*field;
};
const ValueList kValueLists[] = {
    {1023, &kJudgmentKindLabels, &Attacker::judgment_kind},
    {1024, &kEvasionKindLabels, &Attacker::evasion_kind},
    {1027, &kAttackAttributeLabels, &Attacker::attack_attribute},
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
  BindOkCancel(*this);
  ShowWorking();
}

void AttackerEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

void AttackerEditor::FillLists() {
  for (const ValueList& list : kValueLists) {
    FillList(ListById(*this, list.id), *list.labels);
  }
  FillList(ListById(*this, kDefenceKindId), kDefenceKindLabels);
  FillList(ListById(*this, kDefenceOptionId), kDefenceOptionLabels);
  FillList(ListById(*this, kAutoTriggerId), kAutoTriggerLabels);
}

void AttackerEditor::BindControls() {
  BindName(EditById(*this, kNameId), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    std::int32_t& field = working_.*list.field;
    connect(&ListById(*this, list.id), &QComboBox::activated, this,
            [&field](int position) { field = position; });
  }
  connect(&ListById(*this, kAutoTriggerId), &QComboBox::activated, this,
          [this](int position) { working_.auto_trigger = AutoTriggerFlag(position); });
  for (const int id : {kDefenceKindId, kDefenceOptionId}) {
    connect(&ListById(*this, id), &QComboBox::activated, this, [this] { StoreDefenceFlags(); });
  }
}

// Rebuilt from both lists, so bits the flags held from a file are dropped.
void AttackerEditor::StoreDefenceFlags() {
  working_.defence_flags = DefenceFlags(ListById(*this, kDefenceKindId).currentIndex(),
                                        ListById(*this, kDefenceOptionId).currentIndex());
}

void AttackerEditor::ShowWorking() {
  ShowName(EditById(*this, kNameId), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (const ValueList& list : kValueLists) {
    ShowPosition(ListById(*this, list.id), working_.*list.field);
  }
  ShowPosition(ListById(*this, kAutoTriggerId), AutoTriggerPosition(working_.auto_trigger));
  ShowPosition(ListById(*this, kDefenceKindId), ShownDefenceKind(working_.defence_flags));
  ShowPosition(ListById(*this, kDefenceOptionId), DefenceOptionOf(working_.defence_flags));
}

}  // namespace zelmora
