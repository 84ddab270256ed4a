#include "editors/defender_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/editor_fields.h"
#include "engine/labels.h"
#include "files/file_io.h"
#include "files/monster_sheet.h"
#include "gui/dialog_builder.h"
#include "gui/file_error_message.h"
#include "gui/prompts.h"
#include "resources/defender_editor_ids.h"

namespace zelmora {
namespace {

using namespace defender_ids;

constexpr SlotButtons kSlotButtons = {kSwap, kCopy, kSaveOne, kLoadOne};

struct NumberEdit {
  int id;
  std::int32_t Defender::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {kMeleeEvasion, &Defender::melee_evasion}, {kRangedEvasion, &Defender::ranged_evasion},
    {kMagicEvasion, &Defender::magic_evasion}, {kPhysicalDefence, &Defender::physical_defence},
    {kMagicDefence, &Defender::magic_defence},
};
static_assert(kAffinityLists.size() == kAffinityCount);

}  // namespace

DefenderEditor::DefenderEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      working_(encounter.defender(slot)),
      operations_(*this, prompts, encounter.defenders(), working_, slot,
                  [this] { ShowWorking(); }) {
  BuildDialog(*this, layout::kDefenderEditor);
  for (const int id : kAffinityLists) FillList(ListById(*this, id), kAffinityLabels);
  BindControls();
  operations_.Connect(kSlotButtons);
  connect(ControlById<QPushButton>(*this, kImportSheet), &QPushButton::clicked, this,
          [this] { ImportMonsterSheet(); });
  ShowWorking();
}

void DefenderEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

void DefenderEditor::BindControls() {
  BindName(EditById(*this, kName), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    std::int32_t& affinity = working_.affinities[attribute];
    connect(&ListById(*this, kAffinityLists[attribute]), &QComboBox::activated, this,
            [&affinity](int position) { affinity = position; });
  }
}

void DefenderEditor::ShowWorking() {
  ShowName(EditById(*this, kName), working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(EditById(*this, edit.id), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    ShowPosition(ListById(*this, kAffinityLists[attribute]), working_.affinities[attribute]);
  }
}

// Fills the working record only; the stored defender changes on OK.
void DefenderEditor::ImportMonsterSheet() {
  const QString path = prompts_.OpenFileName(this, MonsterSheetFileChoice());
  if (path.isEmpty()) return;
  const std::string path_bytes = FilePathBytes(path);
  const ReadResult file = ReadFileBytes(path_bytes, kMonsterSheetLines);
  if (file.error) {
    prompts_.ShowError(this, ReadErrorMessage(*file.error));
    return;
  }
  ReadMonsterSheet(file.bytes, IsQvmSheet(path_bytes), working_);
  ShowWorking();
}

}  // namespace zelmora
