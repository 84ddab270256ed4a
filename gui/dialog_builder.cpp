#include "gui/dialog_builder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelmora {
namespace {

using layout::Control;
using layout::Kind;

Qt::Alignment AlignmentOf(unsigned style) {
  const Qt::Alignment vertical = style & layout::kTop ? Qt::AlignTop : Qt::AlignVCenter;
  if (style & layout::kCentre) return Qt::AlignHCenter | vertical;
  if (style & layout::kRight) return Qt::AlignRight | vertical;
  return Qt::AlignLeft | vertical;
}

QWidget* MakeEdit(QWidget& host, const Control& c) {
  auto* edit = new QLineEdit(QString::fromUtf8(c.text), &host);
  if (c.style & layout::kReadOnly) {
    MakeOutputField(*edit);
  }
  if (c.style & layout::kNoBorder) RemoveFrame(*edit);
  edit->setAlignment(AlignmentOf(c.style));
  return edit;
}

QWidget* MakeButton(QWidget& host, const Control& c) {
  auto* button = new QPushButton(QString::fromUtf8(c.text), &host);
  // Enter presses the focused button, and the default button anywhere else:
  // Qt moves the default to a focused auto-default button and back.
  button->setAutoDefault(true);
  button->setDefault(c.style & layout::kDefault);
  return button;
}

QWidget* MakeControl(QWidget& host, const Control& c) {
  switch (c.kind) {
    case Kind::kLabel: {
      auto* label = new QLabel(QString::fromUtf8(c.text), &host);
      label->setAlignment((AlignmentOf(c.style) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
      return label;
    }
    case Kind::kEdit:
      return MakeEdit(host, c);
    case Kind::kButton:
      return MakeButton(host, c);
    case Kind::kGroupBox:
      return new QGroupBox(&host);  // the title is a label of its own
    case Kind::kComboBox:
      return new QComboBox(&host);
  }
  return nullptr;
}

// A group box's title sits on the middle of the frame's top line, on the
// dialog's colour, so that it stays clear of the fields inside the frame.
void AddGroupTitle(QWidget& host, const Control& c, const DialogUnits& units) {
  if (*c.text == '\0') return;
  auto* title = new QLabel(QString::fromUtf8(c.text), &host);
  title->setAutoFillBackground(true);
  title->setContentsMargins(2, 0, 2, 0);
  title->adjustSize();
  title->move(units.X(c.x) + units.X(4), units.Y(c.y) - title->height() / 2);
}

bool TakesTab(const Control& c) {
  if (c.style & layout::kNoTabStop) return false;
  return c.kind == Kind::kEdit || c.kind == Kind::kButton || c.kind == Kind::kComboBox;
}

}  // namespace

DialogUnits BuildDialog(QWidget& host, const layout::Dialog& dialog) {
  host.setFont(DialogFont());
  const DialogUnits units(host.font());
  host.setWindowTitle(QString::fromUtf8(dialog.caption));

  QWidget* previous = nullptr;
  for (const Control& c : dialog.controls) {
    QWidget* widget = MakeControl(host, c);
    if (c.id != layout::kNoId) widget->setObjectName(QString::number(c.id));
    if (c.kind == Kind::kEdit && !(c.style & layout::kReadOnly)) {
      ShowStartOnFocusOut(*static_cast<QLineEdit*>(widget));
    }
    // A list's height in the table is its opened height; closed it is one line.
    const int height = c.kind == Kind::kComboBox ? widget->sizeHint().height() : units.Y(c.height);
    widget->setGeometry(units.X(c.x), units.Y(c.y), units.X(c.width), height);
    if (c.kind == Kind::kGroupBox) {
      widget->lower();  // a frame behind the controls it surrounds
      AddGroupTitle(host, c, units);
      continue;
    }
    if (!TakesTab(c)) {
      if (c.kind != Kind::kLabel)
        widget->setFocusPolicy(c.kind == Kind::kEdit ? Qt::ClickFocus : Qt::NoFocus);
      continue;
    }
    widget->setFocusPolicy(Qt::StrongFocus);
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  host.resize(units.X(dialog.width), units.Y(dialog.height));
  return units;
}

}  // namespace zelmora
