#pragma once

#include <QString>
#include <QWidget>

#include "gui/dialog_units.h"
#include "gui/text_fields.h"
#include "resources/layouts.h"

// Turns a layout table into widgets on a host, converting dialog units to
// pixels from the dialog font. Each control's objectName is its identifier
// in decimal, so code and tests find controls by identifier.
namespace zelmora {

// Creates every control of `layout` on `host`, sets the host's font, caption
// and fixed client size, and the tab order of the table. Returns the units
// used, for hosts that place further widgets.
DialogUnits BuildDialog(QWidget& host, const layout::Dialog& layout);

// The control with identifier `id`, or nullptr.
template <typename T = QWidget>
T* ControlById(const QWidget& host, int id) {
  return host.findChild<T*>(QString::number(id));
}

}  // namespace zelmora
