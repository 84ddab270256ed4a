#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <functional>

class QFontMetrics;
class QLineEdit;

// How a number is fitted to a cell: as many significant digits as the
// visible part of the cell holds, never a digit cut or hidden, and a value
// too large for the cell in exponent form so that it cannot be read as a
// smaller number. Display only: stored values and files keep their formats.
namespace zelmora {

// At most 15 significant digits, like %.15g; the exponent written short
// ("9.02e9", "1.5e-5").
inline constexpr int kMostDigits = 15;
QString NumberText(double value, int digits);

// The advances of the characters a number is written with, measured once
// for a font: the width of a number's text is then a sum, not a shaping of
// the whole string. Digits, signs, the point and the exponent letter have
// no kerning in the fonts the program uses.
class NumberWidths {
 public:
  explicit NumberWidths(const QFont& font);
  const QFont& font() const { return font_; }
  double Of(const QString& text) const;
  // The widest digit: what dropping one significant digit saves at most.
  double widest_digit() const { return widest_digit_; }
  double point() const { return Of(QStringLiteral(".")); }

 private:
  QFont font_;
  std::array<double, 128> ascii_{};
  double widest_digit_ = 0;
};

// The text `compose(digits)` for the most digits from kMostDigits down to 1
// that fits `width` pixels; the one-digit text when none does.
QString FitDigits(const std::function<QString(int digits)>& compose, const QFontMetrics& metrics,
                  int width);
QString FitNumber(double value, const QFontMetrics& metrics, int width);
// The same fit from cached advances: the widest text is formatted first, and
// digit counts that cannot fit by the advances alone are never formatted.
QString FitNumber(double value, const NumberWidths& widths, int width);

// The width in pixels a line edit shows its text in: its contents less the
// text margins and the edit's own margin, less any button lying over it.
int VisibleTextWidth(const QLineEdit& edit);

// Shows `value` fitted to a read-only field; the tooltip carries the full
// value in the general format with 15 significant digits.
void ShowFitted(QLineEdit& cell, double value);

}  // namespace zelmora
