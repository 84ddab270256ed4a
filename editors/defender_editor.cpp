#include "editors/defender_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/dialog_builder.h"
#include "editors/editor_fields.h"
#include "editors/file_error_message.h"
#include "editors/prompts.h"
#include "engine/labels.h"
#include "files/file_io.h"
#include "files/monster_sheet.h"

namespace zelmora {
namespace {

constexpr int kNameId = 1034;
constexpr int kImportId = 1250;
constexpr SlotButtons kSlotButtons = {1236, 1237, 1248, 1249};

struct NumberEdit {
  int id;
  std::int32_t Defender::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {1029, &Defender::melee_evasion}, {1030, &Defender::ranged_evasion},
    {1031, &Defender::magic_evasion}, {1032, &Defender::physical_defence},
    {1033, &Defender::magic_defence},
};

// The affinity list of each attack attribute 0 to 10; 火 is 1039 and 氷 1038.
constexpr int kAffinityListIds[kAffinityCount] = {1035, 1036, 1037, 1039, 1038, 1040,
                                                  1041, 1042, 1043, 1044, 1045};

}  // namespace

DefenderEditor::DefenderEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      working_(encounter.defender(slot)),
      operations_(*this, prompts, encounter.defenders(), working_, slot,
                  [this] { ShowWorking(); }) {
  BuildDialog(*this, layout::kDefenderEditor);
  for (const int id : kAffinityListIds) FillList(ListById(*this, id), kAffinityLabels);
  BindControls();
  operations_.Connect(kSlotButtons);
  connect(ControlById<QPushButton>(*this, kImportId), &QPushButton::clicked, this,
          [this] { ImportMonsterSheet(); });
  BindOkCancel(*this);
  ShowWorking();
}

void DefenderEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

void DefenderEditor::BindControls() {
  BindName(EditById(*this, kNameId), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    std::int32_t& affinity = working_.affinities[attribute];
    connect(&ListById(*this, kAffinityListIds[attribute]), &QComboBox::activated, this,
            [&affinity](int position) { affinity = position; });
  }
}

void DefenderEditor::ShowWorking() {
  ShowName(EditById(*this, kNameId), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    ShowPosition(ListById(*this, kAffinityListIds[attribute]), working_.affinities[attribute]);
  }
}

// Fills the working record only; the stored defender changes on OK.
void DefenderEditor::ImportMonsterSheet() {
  const QString path = prompts_.OpenFileName(this, MonsterSheetFileChoice());
  if (path.isEmpty()) return;
  const std::string path_bytes = FilePathBytes(path);
  const ReadResult file = ReadFileBytes(path_bytes);
  if (file.error) {
    prompts_.ShowError(this, ReadErrorMessage(*file.error));
    return;
  }
  ReadMonsterSheet(file.bytes, IsQvmSheet(path_bytes), working_);
  ShowWorking();
}

}  // namespace zelmora
