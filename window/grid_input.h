#pragma once

#include <QFocusEvent>
#include <QLineEdit>

namespace zelmora {

// An input cell of the grid: a bordered field that takes any text and,
// once the focus leaves it, shows its text from the first character again,
// so that a long name shows its head rather than its tail. A popup (a
// context menu) does not count as leaving the field.
class GridInput : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  // Puts `text` in the field when it differs, shown from its start; the
  // program's own text never counts as an edit.
  void ShowText(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    setCursorPosition(0);
  }

 protected:
  void focusOutEvent(QFocusEvent* event) override {
    if (event->reason() != Qt::PopupFocusReason) setCursorPosition(0);
    QLineEdit::focusOutEvent(event);
  }
};

}  // namespace zelmora
