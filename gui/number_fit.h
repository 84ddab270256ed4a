#pragma once

#include <QString>
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

// The text `compose(digits)` for the most digits from kMostDigits down to 1
// that fits `width` pixels; the one-digit text when none does.
QString FitDigits(const std::function<QString(int digits)>& compose, const QFontMetrics& metrics,
                  int width);
QString FitNumber(double value, const QFontMetrics& metrics, int width);

// The width in pixels a line edit shows its text in: its contents less the
// text margins and the edit's own margin, less any button lying over it.
int VisibleTextWidth(const QLineEdit& edit);

// Shows `value` fitted to a read-only cell; the tooltip carries the full
// value in the general format with 15 significant digits.
void ShowFitted(QLineEdit& cell, double value);

}  // namespace zelmora
