#pragma once

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zelmora {

// An input cell of the grid: a bordered field that takes any text and,
// once the focus leaves it, shows its text from the first character again,
// so that a long name shows its head rather than its tail. A popup (a
// context menu) does not count as leaving the field. The undo and redo keys
// belong to the window, whose history undoes the whole table, this field's
// typing included.
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
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        IsUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
      return true;  // not accepted: the window's shortcut runs
    }
    return QLineEdit::event(event);
  }

  void focusOutEvent(QFocusEvent* event) override {
    if (event->reason() != Qt::PopupFocusReason) setCursorPosition(0);
    QLineEdit::focusOutEvent(event);
  }

 private:
  static bool IsUndoOrRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
  }
};

}  // namespace zelmora
