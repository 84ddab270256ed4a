#include "gui/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "gui/dialog_units.h"

namespace zelmora {
namespace {

constexpr int kButtonWidth = 50;  // dialog units

}  // namespace

DialogButtons::DialogButtons(QDialog& dialog, Kind kind) : QWidget(&dialog) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  if (kind != Kind::kOkCancel) row->addStretch();  // a lone button stands on the right
  if (kind != Kind::kCancel) ok_ = AddButton(QStringLiteral("OK"), dialog, &QDialog::accept);
  if (kind == Kind::kOkCancel) row->addStretch();
  if (kind != Kind::kOk) {
    cancel_ = AddButton(QStringLiteral("ｷｬﾝｾﾙ"), dialog, &QDialog::reject);
  }
  (ok_ != nullptr ? ok_ : cancel_)->setDefault(true);
}

QPushButton* DialogButtons::AddButton(const QString& caption, QDialog& dialog,
                                      void (QDialog::*closing)()) {
  auto* button = new QPushButton(caption, this);
  // Enter presses the focused button, and the default button anywhere else:
  // Qt moves the default to a focused auto-default button and back.
  button->setAutoDefault(true);
  button->setMinimumWidth(DialogUnits(button->font()).X(kButtonWidth));
  layout()->addWidget(button);
  connect(button, &QPushButton::clicked, &dialog, closing);
  return button;
}

}  // namespace zelmora
