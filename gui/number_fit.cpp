#include "gui/number_fit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <array>
#include <charconv>

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
