#include "gui/text_fields.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPalette>

namespace zelmora {
namespace {

// A popup (a context menu) does not count as leaving the field.
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

}  // namespace

void SetTextFromStart(QLineEdit& edit, const QString& text) {
  edit.setText(text);
  edit.setCursorPosition(0);
}

void ShowStartOnFocusOut(QLineEdit& edit) { edit.installEventFilter(new StartOnFocusOut(&edit)); }

void MakeOutputField(QLineEdit& edit) {
  edit.setReadOnly(true);
  edit.setFocusPolicy(Qt::ClickFocus);
  QPalette palette = edit.palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  edit.setPalette(palette);
  QObject::connect(&edit, &QLineEdit::textChanged, &edit, &QWidget::setToolTip);
}

void RemoveFrame(QLineEdit& edit) {
  edit.setFrame(false);
  // Without a frame the text may come within a pixel of the edge: QLineEdit
  // keeps two of its own, and an unframed field has nothing to keep them from.
  edit.setTextMargins(-1, 0, -1, 0);
}

}  // namespace zelmora
