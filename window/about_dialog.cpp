#include "window/about_dialog.h"

#include <QPushButton>

#include "editors/dialog_builder.h"
#include "resources/layouts.h"

namespace zelmora {

namespace {
constexpr int kOkButton = 1;
}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  BuildDialog(*this, layout::kAboutDialog);
  setFixedSize(size());
  connect(ControlById<QPushButton>(*this, kOkButton), &QPushButton::clicked, this,
          &QDialog::accept);
}

}  // namespace zelmora
