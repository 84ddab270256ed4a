#pragma once

#include <QFont>

// The font every dialog and the window are drawn in, and sizes measured in
// it, so that a field's width follows the text it holds rather than pixels.
namespace zelmora {

// IPAPGothic 9 pt, falling back to any Japanese Gothic font, so that the
// layout does not depend on the machine's default font.
QFont DialogFont();

// The calculator window's font: DialogFont() without other fonts merged in
// where one of its Japanese families is installed, so that the window's
// first picture need not look for stand-ins for missing characters
// (bench/speed_limits.sh: the first paint at most 1.3 times a minimal
// dialog's with the window's Japanese title).
QFont WindowFont();

// `font` with other fonts merged in for the characters it lacks.
QFont MergingFont(QFont font);

// `font`, or MergingFont(font) if `font` lacks a character of `text`: for
// texts the user gives, drawn in the window's font.
QFont FontFor(const QFont& font, const QString& text);

// Dialog units: a horizontal unit is a quarter of a digit's width and a
// vertical one an eighth of a line, both a quarter larger than the font.
// In a font whose commas are as wide as its digits the horizontal unit is
// widened until the widest value a game uses fits its narrowest cell.
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
