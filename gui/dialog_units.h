#pragma once

#include <QFont>

// The font every dialog and the window are drawn in, and sizes measured in
// it, so that a field's width follows the text it holds rather than pixels.
namespace zelmora {

// IPAPGothic 9 pt, falling back to any Japanese Gothic font, so that the
// layout does not depend on the machine's default font.
QFont DialogFont();

// Dialog units: a horizontal unit is a quarter of a digit's width and a
// vertical one an eighth of a line, both a quarter larger than the font.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int dlu) const { return (dlu * base_x_ + 2) / 4; }
  int Y(int dlu) const { return (dlu * base_y_ + 4) / 8; }

 private:
  int base_x_;
  int base_y_;
};

}  // namespace zelmora
