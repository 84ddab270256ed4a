#include "window/about_dialog.h"

#include "gui/dialog_builder.h"
#include "resources/layouts.h"

namespace zelmora {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  BuildDialog(*this, layout::kAboutDialog);
  setFixedSize(size());
}

}  // namespace zelmora
