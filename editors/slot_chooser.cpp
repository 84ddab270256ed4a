#include "editors/slot_chooser.h"

#include <QLineEdit>
#include <QPushButton>

#include "editors/dialog_builder.h"
#include "editors/prompts.h"

namespace zelmora {
namespace {

constexpr int kPromptId = 1238;
constexpr int kCancelId = 2;

// Slot n's button and name field, by row.
struct SlotRow {
  int button_id;
  int name_id;
};
constexpr std::array<SlotRow, Encounter::kSlots> kRows = {{
    {1239, 1244},
    {1240, 1246},
    {1241, 1247},
    {1242, 1245},
    {1243, 1248},
}};

}  // namespace

SlotChooser::SlotChooser(const QString& prompt, const SlotNames& names, QWidget* parent)
    : QDialog(parent) {
  BuildDialog(*this, layout::kSlotChooser);
  ControlById<QLineEdit>(*this, kPromptId)->setText(prompt);
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    const SlotRow& row = kRows[slot - 1];
    ControlById<QLineEdit>(*this, row.name_id)->setText(names[slot - 1]);
    connect(ControlById<QPushButton>(*this, row.button_id), &QPushButton::clicked, this,
            [this, slot] {
              picked_ = slot;
              accept();
            });
  }
  auto* cancel = ControlById<QPushButton>(*this, kCancelId);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  cancel->setFocus();
}

void SlotChooser::done(int result) {
  QDialog::done(result == Accepted && picked_ == 0 ? Rejected : result);
}

std::optional<int> ChooseSlot(Prompts& prompts, QWidget* parent, const QString& prompt,
                              const SlotNames& names) {
  SlotChooser chooser(prompt, names, parent);
  if (prompts.Run(chooser) != QDialog::Accepted || chooser.picked() == 0) return std::nullopt;
  return chooser.picked();
}

}  // namespace zelmora
