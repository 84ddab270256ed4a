#pragma once

#include <QWidget>

#include "gui/dialog_units.h"

// The grid's natural sizes are given in dialog units of the window's font,
// the units its arrangement was drawn in; layouts may give the cells more.
namespace zelmora {

inline void SetMinimumUnits(QWidget& widget, const DialogUnits& units, int width, int height) {
  widget.setMinimumSize(units.X(width), units.Y(height));
}

// Neither grows nor shrinks: labels and buttons.
inline void SetFixedUnits(QWidget& widget, const DialogUnits& units, int width, int height) {
  widget.setFixedSize(units.X(width), units.Y(height));
}

}  // namespace zelmora
