#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "resources/layouts.h"

class QLineEdit;

// Turns a layout table into widgets on a host, converting dialog units to
// pixels from the dialog font. Each control's objectName is its identifier
// in decimal, so code and tests find controls by identifier.
namespace zelmora {

// IPAPGothic 9 pt, falling back to any Japanese Gothic font, so that the
// layout does not depend on the machine's default font.
QFont DialogFont();

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int dlu) const { return (dlu * base_x_ + 2) / 4; }
  int Y(int dlu) const { return (dlu * base_y_ + 4) / 8; }

 private:
  int base_x_;
  int base_y_;
};

// Creates every control of `layout` on `host`, sets the host's font, caption
// and fixed client size, and the tab order of the table. On a dialog, OK
// (layout::kOk) accepts, Cancel (layout::kCancel) rejects, and the focus
// starts on OK, or on Cancel when there is no OK. Returns the units used, for
// hosts that place further widgets.
DialogUnits BuildDialog(QWidget& host, const layout::Dialog& layout);

// The control with identifier `id`, or nullptr.
template <typename T = QWidget>
T* ControlById(const QWidget& host, int id) {
  return host.findChild<T*>(QString::number(id));
}

// Sets a text and shows it from its first character, as a field that has
// just been filled should.
void SetTextFromStart(QLineEdit& edit, const QString& text);

}  // namespace zelmora
