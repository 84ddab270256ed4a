#include "editors/slot_chooser.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"
#include "gui/prompts.h"
#include "gui/text_fields.h"

namespace zelmora {
namespace {

constexpr int kNumberWidth = 27;  // dialog units

// The prompt and the names are read-only texts without a frame or a tab stop.
QLineEdit* NewShownText(QWidget& parent, const QString& text) {
  auto* shown = new QLineEdit(&parent);
  MakeOutputField(*shown);
  RemoveFrame(*shown);
  SetTextFromStart(*shown, text);
  return shown;
}

constexpr int kWidth = 187;  // the dialog, in dialog units

}  // namespace

SlotChooser::SlotChooser(const QString& prompt, const SlotNames& names, QWidget* parent)
    : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("入れ替え／コピー"));
  prompt_ = NewShownText(*this, prompt);
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    QPushButton*& number = numbers_[slot - 1];
    number = new QPushButton(QString::number(slot), this);
    number->setAutoDefault(true);  // Enter on a number picks it
    connect(number, &QPushButton::clicked, this, [this, slot] {
      picked_ = slot;
      accept();
    });
    names_[slot - 1] = NewShownText(*this, names[slot - 1]);
  }
  // Made after the numbers, so that Tab goes from it to number 1. Enter
  // anywhere but on a number picks none.
  buttons_ = new DialogButtons(*this, DialogButtons::Kind::kCancel);
  LayOut();
  buttons_->cancel()->setFocus();
}

void SlotChooser::LayOut() {
  const DialogUnits units(font());
  auto* lines = new QVBoxLayout(this);
  lines->addWidget(prompt_);
  auto* rows = new QGridLayout;
  rows->setSpacing(units.Y(1));
  for (int row = 0; row < Encounter::kSlots; ++row) {
    numbers_[row]->setFixedWidth(units.X(kNumberWidth));
    rows->addWidget(numbers_[row], row, 0);
    rows->addWidget(names_[row], row, 1);
  }
  lines->addLayout(rows);
  lines->addWidget(buttons_);
  FixToContents(*lines, kWidth);
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
