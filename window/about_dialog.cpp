#include "window/about_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"

namespace zelmora {

namespace {
constexpr int kWidth = 235;  // the dialog, in dialog units
}  // namespace

// The name above, OK at the foot on the right.
AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  const DialogUnits units(font());
  auto* lines = new QVBoxLayout(this);
  lines->addWidget(NewLabel(*this, QStringLiteral("ZELMORA確率計算プログラム  ver1.0"),
                            Qt::AlignLeft | Qt::AlignTop));
  lines->addSpacing(units.Y(12));
  lines->addWidget(new DialogButtons(*this, DialogButtons::Kind::kOk));
  FixToContents(*lines, kWidth);
}

}  // namespace zelmora
