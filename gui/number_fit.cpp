#include "gui/number_fit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/text.h"
#include "gui/text_fields.h"

namespace zelmora {
namespace {

// QLineEdit keeps this many pixels between its contents and its text on
// each side (QLineEditPrivate::horizontalMargin).
constexpr int kEditOwnMargin = 2;

// "9.019e+09" -> "9.019e9", "1.5e-05" -> "1.5e-5": the same number, shorter.
std::string ShortExponent(std::string text) {
  const std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  const bool negative = exponent.front() == '-';
  if (exponent.front() == '+' || negative) exponent.erase(0, 1);
  exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
  return text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

QRect TextRect(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  QRect rect = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
  rect = rect.marginsRemoved(edit.textMargins());
  return rect.adjusted(kEditOwnMargin, 0, -kEditOwnMargin, 0);
}

}  // namespace

QString NumberText(double value, int digits) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, std::clamp(digits, 1, kMostDigits));
  return QString::fromStdString(ShortExponent(std::string(buffer.data(), result.ptr)));
}

QString FitDigits(const std::function<QString(int digits)>& compose, const QFontMetrics& metrics,
                  int width) {
  for (int digits = kMostDigits; digits > 1; --digits) {
    QString text = compose(digits);
    if (metrics.horizontalAdvance(text) <= width) return text;
  }
  return compose(1);
}

QString FitNumber(double value, const QFontMetrics& metrics, int width) {
  return FitDigits([value](int digits) { return NumberText(value, digits); }, metrics, width);
}

NumberWidths::NumberWidths(const QFont& font) : font_(font) {
  const QFontMetricsF metrics(font);
  for (char c : std::string_view("0123456789.-+e")) {
    ascii_[static_cast<unsigned char>(c)] = metrics.horizontalAdvance(QLatin1Char(c));
  }
  for (char c = '0'; c <= '9'; ++c) {
    widest_digit_ = std::max(widest_digit_, ascii_[static_cast<unsigned char>(c)]);
  }
}

// A character outside the table (none is in a number's text) counts as
// wide as the widest digit, so that a fit never overflows.
double NumberWidths::Of(const QString& text) const {
  double sum = 0;
  for (const QChar c : text) {
    const double advance = c.unicode() < ascii_.size() ? ascii_[c.unicode()] : 0;
    sum += advance > 0 ? advance : widest_digit_;
  }
  return std::ceil(sum);
}

// Fewer significant digits shorten the text by at most one widest digit
// each and the point once: a digit count whose bound exceeds the room
// cannot fit and is skipped unformatted.
QString FitNumber(double value, const NumberWidths& widths, int width) {
  QString widest = NumberText(value, kMostDigits);
  const double full = widths.Of(widest);
  if (full <= width) return widest;
  for (int digits = kMostDigits - 1; digits > 1; --digits) {
    const double at_least = full - (kMostDigits - digits) * widths.widest_digit() - widths.point();
    if (at_least > width + 1) continue;  // one pixel for the rounding of `full`
    QString text = NumberText(value, digits);
    if (widths.Of(text) <= width) return text;
  }
  return NumberText(value, 1);
}

int VisibleTextWidth(const QLineEdit& edit) {
  // In the parent's coordinates, where the buttons are.
  QRect text = TextRect(edit).translated(edit.pos());
  if (const QWidget* parent = edit.parentWidget()) {
    for (const QPushButton* button :
         parent->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
      const QRect over = button->geometry();
      if (button->isHidden() || !over.intersects(text)) continue;
      if (over.left() > text.left()) {
        text.setRight(over.left() - 1);
      } else {
        text.setLeft(over.right() + 1);
      }
    }
  }
  return std::max(text.width(), 0);
}

void ShowFitted(QLineEdit& cell, double value) {
  const QString whole = QString::fromStdString(FormatGeneral(value));
  // A cell keeps its size, so a value it already shows is fitted already;
  // most cells keep their values from one keystroke to the next.
  if (cell.toolTip() == whole && !cell.text().isEmpty()) return;
  const QString shown = FitNumber(value, cell.fontMetrics(), VisibleTextWidth(cell));
  if (cell.text() != shown) SetTextFromStart(cell, shown);
  cell.setToolTip(whole);
}

}  // namespace zelmora
