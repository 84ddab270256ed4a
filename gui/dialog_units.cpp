#include "gui/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace zelmora {

QFont DialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
  font.setPointSize(9);
  // The texts are names, captions and numbers in Japanese and Latin, which
  // need no shaping; skipping it (scripts that need it are still shaped)
  // makes every text cheaper to draw. The IPA fonts have no kerning, so with
  // them not a pixel changes.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// The cells hold numbers, so a horizontal unit follows the width of a digit
// rather than the average letter, and both units are a quarter larger than
// the font: the narrowest cells then hold the values a game uses whole
// ("100,100,100" in 33 units, "-99" and "999" in 12) with the edit's margins.
DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  base_x_ = (5 * metrics.horizontalAdvance(QLatin1Char('0')) + 2) / 4;
  base_y_ = (5 * metrics.height() + 2) / 4;
}

}  // namespace zelmora
