#include "editors/defender_editor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/editor_fields.h"
#include "editors/slot_button_row.h"
#include "engine/labels.h"
#include "files/file_io.h"
#include "files/monster_sheet.h"
#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"
#include "gui/file_error_message.h"
#include "gui/prompts.h"

namespace zelmora {
namespace {

using Fields = DefenderEditor::Fields;

struct NumberEdit {
  QLineEdit* Fields::*edit;
  std::int32_t Defender::*field;
};
constexpr NumberEdit kNumberEdits[] = {
    {&Fields::melee_evasion, &Defender::melee_evasion},
    {&Fields::ranged_evasion, &Defender::ranged_evasion},
    {&Fields::magic_evasion, &Defender::magic_evasion},
    {&Fields::physical_defence, &Defender::physical_defence},
    {&Fields::magic_defence, &Defender::magic_defence},
};

// The one-character label of each attack attribute 0 to 10; the lists stand
// four to a line in this order.
constexpr const char* kAttributeLabels[] = {"剣", "物", "技", "火", "氷", "電",
                                            "風", "心", "禁", "聖", "呪"};
static_assert(std::size(kAttributeLabels) == kAffinityCount);
constexpr int kListsPerLine = 4;

constexpr int kWidth = 187;  // the dialog, in dialog units

}  // namespace

DefenderEditor::DefenderEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      working_(encounter.defender(slot)),
      operations_(*this, prompts, encounter.defenders(), working_, slot,
                  [this] { ShowWorking(); }) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("受け側詳細設定"));
  MakeFields();
  for (QComboBox* list : fields_.affinities) FillList(*list, kAffinityLabels);
  LayOut();
  BindControls();
  operations_.Connect(*slot_buttons_, *buttons_->cancel());
  connect(slot_buttons_->import_sheet(), &QPushButton::clicked, this,
          [this] { ImportMonsterSheet(); });
  ShowWorking();
  fields_.name->setFocus();
}

void DefenderEditor::reject() {
  if (!operations_.swapped()) QDialog::reject();
}

// In tab order: the order of making is the order of the focus chain.
void DefenderEditor::MakeFields() {
  fields_.name = NewInputField(*this, 130);
  for (const NumberEdit& edit : kNumberEdits) fields_.*edit.edit = NewInputField(*this, 33);
  for (QLineEdit* defence : {fields_.physical_defence, fields_.magic_defence}) {
    defence->setFixedWidth(DialogUnits(font()).X(40));
  }
  for (QComboBox*& list : fields_.affinities) list = new QComboBox(this);
  slot_buttons_ = new SlotButtonRow(*this);
  buttons_ = new DialogButtons(*this, DialogButtons::Kind::kOkCancel);
}

// A group box of lines or of the affinity grid; each label stands right
// before its control.
void DefenderEditor::LayOut() {
  const Fields& f = fields_;
  auto label = [this](const char* text) { return NewLabel(*this, QString::fromUtf8(text)); };
  auto group = [this](const char* title) { return new QGroupBox(QString::fromUtf8(title), this); };
  auto* lines = new QVBoxLayout(this);
  AddLine(*lines, {label("名称："), f.name, nullptr});

  QGroupBox* evasion = group("回避");
  AddLine(*new QVBoxLayout(evasion), {label("格闘："), f.melee_evasion, nullptr, label("射撃："),
                                      f.ranged_evasion, nullptr, label("魔法："), f.magic_evasion});
  QGroupBox* defence = group("防御");
  AddLine(*new QVBoxLayout(defence), {label("物理："), f.physical_defence, nullptr, label("魔法："),
                                      f.magic_defence, nullptr});
  QGroupBox* affinity = group("相性");
  auto* grid = new QGridLayout(affinity);
  for (int attribute = 0; attribute < kAffinityCount; ++attribute) {
    const int line = attribute / kListsPerLine;
    const int column = 2 * (attribute % kListsPerLine);
    grid->addWidget(label(kAttributeLabels[attribute]), line, column);
    grid->addWidget(f.affinities[attribute], line, column + 1, Qt::AlignLeft);
  }
  for (int column = 0; column < 2 * kListsPerLine; column += 2) grid->setColumnStretch(column, 1);

  lines->addWidget(evasion);
  lines->addWidget(defence);
  lines->addWidget(affinity);
  lines->addWidget(slot_buttons_);
  lines->addWidget(buttons_);
  FixToContents(*lines, kWidth);
}

void DefenderEditor::BindControls() {
  BindName(*fields_.name, working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    BindNumber(*(fields_.*edit.edit), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    std::int32_t& affinity = working_.affinities[attribute];
    connect(fields_.affinities[attribute], &QComboBox::activated, this,
            [&affinity](int position) { affinity = position; });
  }
}

void DefenderEditor::ShowWorking() {
  ShowName(*fields_.name, working_.name);
  for (const NumberEdit& edit : kNumberEdits) {
    ShowNumber(*(fields_.*edit.edit), working_.*edit.field);
  }
  for (std::size_t attribute = 0; attribute < working_.affinities.size(); ++attribute) {
    ShowPosition(*fields_.affinities[attribute], working_.affinities[attribute]);
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
