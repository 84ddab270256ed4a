#include "gui/dialog_units.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace zelmora {

QFont DialogFont() {
  QFont font;
  font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")});
  font.setPointSize(9);
  // The texts are names, captions and numbers in Japanese and Latin, which
  // need no shaping; skipping it (scripts that need it are still shaped)
  // makes every text cheaper to draw (bench/speed_limits.sh: one keystroke
  // with its repaint at most 550,000 instructions, the first paint at most
  // 1.3 times a minimal dialog's). The IPA fonts have no kerning, so with
  // them not a pixel changes.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// A font that merges others in looks up, for each script it meets, which
// installed fonts could stand in for a character it lacks: for the window,
// which meets several scripts at its first picture, the largest single cost
// of it. The Japanese families listed hold every character code page 932
// has but U+2211 and the user-defined ones, so where one of them is found
// the window does without; FontFor merges again for a text that needs it.
QFont WindowFont() {
  QFont font = DialogFont();
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
  return font.families().contains(QFontInfo(font).family()) ? font : DialogFont();
}

QFont MergingFont(QFont font) {
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() & ~QFont::NoFontMerging));
  return font;
}

QFont FontFor(const QFont& font, const QString& text) {
  if (!(font.styleStrategy() & QFont::NoFontMerging)) return font;
  const QFontMetrics metrics(font);
  const QList<uint> characters = text.toUcs4();
  const bool held = std::all_of(characters.begin(), characters.end(),
                                [&metrics](uint c) { return metrics.inFontUcs4(c); });
  return held ? font : MergingFont(font);
}

// The cells hold numbers, so a horizontal unit follows the width of a digit
// rather than the average letter, and both units are a quarter larger than
// the font: the narrowest cells then hold the values a game uses whole
// ("100,100,100" in 33 units, "-99" and "999" in 12) with the edit's margins.
// In the fonts the window asks for, commas and points are narrow and the
// quarter holds the edit's margins; in a stand-in font they may be as wide as
// a digit, and then "999,999,999" and a digit's width for the margins decide.
DialogUnits::DialogUnits(const QFont& font) {
  constexpr int kWidestValueUnits = 33;
  const QFontMetrics metrics(font);
  const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
  const int widest = metrics.horizontalAdvance(QStringLiteral("999,999,999")) + digit;
  base_x_ =
      std::max((5 * digit + 2) / 4, (4 * widest - 2 + kWidestValueUnits - 1) / kWidestValueUnits);
  base_y_ = (5 * metrics.height() + 2) / 4;
}

}  // namespace zelmora
