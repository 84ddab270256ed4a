#include "editors/slot_button_row.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "gui/dialog_units.h"

namespace zelmora {

SlotButtonRow::SlotButtonRow(QWidget& editor) : QWidget(&editor) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(DialogUnits(font()).X(1));
  swap_ = AddButton(QStringLiteral("入れ替え"), 30);
  copy_ = AddButton(QStringLiteral("コピー"), 26);
  save_one_ = AddButton(QStringLiteral("セーブ"), 30);
  load_one_ = AddButton(QStringLiteral("ロード"), 30);
  import_sheet_ = AddButton(QStringLiteral("QVM取り込み"), 50);
}

// `width` in dialog units is the button's least width and its share of any
// width the line has beyond that.
QPushButton* SlotButtonRow::AddButton(const QString& caption, int width) {
  auto* button = new QPushButton(caption, this);
  button->setAutoDefault(true);  // Enter on the focused button presses it
  button->setMinimumWidth(DialogUnits(font()).X(width));
  static_cast<QHBoxLayout*>(layout())->addWidget(button, width);
  return button;
}

}  // namespace zelmora
