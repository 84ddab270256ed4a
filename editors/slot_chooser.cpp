#include "editors/slot_chooser.h"

#include <QLineEdit>
#include <QPushButton>

#include "gui/dialog_builder.h"
#include "gui/prompts.h"
#include "resources/slot_chooser_ids.h"

namespace zelmora {
namespace {

using chooser_ids::kSlotButtons;
using chooser_ids::kSlotNames;
static_assert(kSlotButtons.size() == Encounter::kSlots);

}  // namespace

SlotChooser::SlotChooser(const QString& prompt, const SlotNames& names, QWidget* parent)
    : QDialog(parent) {
  BuildDialog(*this, layout::kSlotChooser);
  SetTextFromStart(*ControlById<QLineEdit>(*this, chooser_ids::kPrompt), prompt);
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    SetTextFromStart(*ControlById<QLineEdit>(*this, kSlotNames[slot - 1]), names[slot - 1]);
    connect(ControlById<QPushButton>(*this, kSlotButtons[slot - 1]), &QPushButton::clicked, this,
            [this, slot] {
              picked_ = slot;
              accept();
            });
  }
  // Enter anywhere but on a number picks none.
  ControlById<QPushButton>(*this, layout::kCancel)->setDefault(true);
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
