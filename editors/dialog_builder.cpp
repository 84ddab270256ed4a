#include "editors/dialog_builder.h"

#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace zelmora {
namespace {

using layout::Control;
using layout::Kind;

Qt::Alignment AlignmentOf(unsigned style) {
  if (style & layout::kCentre) return Qt::AlignHCenter | Qt::AlignVCenter;
  if (style & layout::kRight) return Qt::AlignRight | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget* MakeEdit(QWidget& host, const Control& c) {
  auto* edit = new QLineEdit(QString::fromUtf8(c.text), &host);
  if (c.style & layout::kReadOnly) {
    // A read-only field shows the dialog's colour, so that an output never
    // looks like an input.
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    // A result can be wider than its field; the tooltip carries all of it.
    QObject::connect(edit, &QLineEdit::textChanged, edit, &QWidget::setToolTip);
  }
  edit->setFrame(!(c.style & layout::kNoBorder));
  edit->setAlignment(AlignmentOf(c.style));
  return edit;
}

QWidget* MakeButton(QWidget& host, const Control& c) {
  auto* button = new QPushButton(QString::fromUtf8(c.text), &host);
  // Only the default button answers Enter; a focused button answers Space.
  button->setAutoDefault(false);
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
      return new QGroupBox(QString::fromUtf8(c.text), &host);
    case Kind::kComboBox:
      return new QComboBox(&host);
  }
  return nullptr;
}

bool TakesTab(const Control& c) {
  if (c.style & layout::kNoTabStop) return false;
  return c.kind == Kind::kEdit || c.kind == Kind::kButton || c.kind == Kind::kComboBox;
}

// OK accepts and Cancel rejects; a dialog opens with the focus on OK, or on
// Cancel when it has no OK.
void BindOkCancel(QWidget& host) {
  auto* dialog = qobject_cast<QDialog*>(&host);
  if (!dialog) return;
  auto* ok = ControlById<QPushButton>(host, layout::kOk);
  auto* cancel = ControlById<QPushButton>(host, layout::kCancel);
  if (ok) QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  if (cancel) QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  if (QPushButton* first = ok ? ok : cancel) first->setFocus();
}

}  // namespace

QFont DialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
  font.setPointSize(9);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  base_x_ = (metrics.horizontalAdvance(alphabet) + 26) / 52;
  base_y_ = metrics.height();
}

DialogUnits BuildDialog(QWidget& host, const layout::Dialog& dialog) {
  host.setFont(DialogFont());
  const DialogUnits units(host.font());
  host.setWindowTitle(QString::fromUtf8(dialog.caption));

  QWidget* previous = nullptr;
  for (const Control& c : dialog.controls) {
    QWidget* widget = MakeControl(host, c);
    if (c.id != layout::kNoId) widget->setObjectName(QString::number(c.id));
    // A list's height in the table is its opened height; closed it is one line.
    const int height = c.kind == Kind::kComboBox ? widget->sizeHint().height() : units.Y(c.height);
    widget->setGeometry(units.X(c.x), units.Y(c.y), units.X(c.width), height);
    if (c.kind == Kind::kGroupBox) {
      widget->lower();  // a frame behind the controls it surrounds
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
  BindOkCancel(host);
  return units;
}

}  // namespace zelmora
