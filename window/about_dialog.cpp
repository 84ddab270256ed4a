#include "window/about_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/dialog_units.h"

namespace zelmora {

// The name above, OK at the foot on the right, the box a little wider than
// the name so that the two do not crowd each other.
AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setFont(DialogFont());
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  const DialogUnits units(font());
  auto* lines = new QVBoxLayout(this);
  QLabel* name = NewLabel(*this, QStringLiteral("ZELMORA確率計算プログラム  ver1.0"),
                          Qt::AlignLeft | Qt::AlignTop);
  name->setMinimumWidth(units.X(221));
  lines->addWidget(name);
  lines->addSpacing(units.Y(12));
  lines->addWidget(new DialogButtons(*this, DialogButtons::Kind::kOk));
  FixToContents(*lines);
}

}  // namespace zelmora
