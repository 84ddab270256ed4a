#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace zelmora {

// A key pressed and released in a line edit, as the keyboard sends it.
inline void Press(QLineEdit& edit, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &release);
}

}  // namespace zelmora
