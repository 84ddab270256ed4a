#include "gui/dialog_builder.h"

#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
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
  const Qt::Alignment vertical = style & layout::kTop ? Qt::AlignTop : Qt::AlignVCenter;
  if (style & layout::kCentre) return Qt::AlignHCenter | vertical;
  if (style & layout::kRight) return Qt::AlignRight | vertical;
  return Qt::AlignLeft | vertical;
}

// A field that loses the focus shows its text from the first character
// again, so that a long name shows its head rather than its tail. A popup
// (a context menu) does not count as leaving the field.
class StartOnFocusOut : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->setCursorPosition(0);
    }
    return false;
  }
};

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
  // Without a frame the text may come within a pixel of the edge: QLineEdit
  // keeps two of its own, and a borderless cell has nothing to keep them from.
  if (c.style & layout::kNoBorder) edit->setTextMargins(-1, 0, -1, 0);
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

// The cells hold numbers, so a horizontal unit follows the width of a digit
// rather than the average letter, and both units are a quarter larger than
// the font: the narrowest cells then hold the values a game uses whole
// ("100,100,100" in 33 units, "-99" and "999" in 12) with the edit's margins.
DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  base_x_ = (5 * metrics.horizontalAdvance(QLatin1Char('0')) + 2) / 4;
  base_y_ = (5 * metrics.height() + 2) / 4;
}

DialogUnits BuildDialog(QWidget& host, const layout::Dialog& dialog) {
  host.setFont(DialogFont());
  const DialogUnits units(host.font());
  host.setWindowTitle(QString::fromUtf8(dialog.caption));
  auto* start_on_focus_out = new StartOnFocusOut(&host);

  QWidget* previous = nullptr;
  for (const Control& c : dialog.controls) {
    QWidget* widget = MakeControl(host, c);
    if (c.id != layout::kNoId) widget->setObjectName(QString::number(c.id));
    if (c.kind == Kind::kEdit && !(c.style & layout::kReadOnly)) {
      widget->installEventFilter(start_on_focus_out);
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
  BindOkCancel(host);
  return units;
}

void SetTextFromStart(QLineEdit& edit, const QString& text) {
  edit.setText(text);
  edit.setCursorPosition(0);
}

}  // namespace zelmora
