#include "gui/numeric_text.h"

namespace zelmora {
namespace {

constexpr char16_t kFullWidthZero = u'\uFF10';
constexpr char16_t kFullWidthNine = u'\uFF19';

struct Replacement {
  char16_t from;
  char16_t to;
};
// With a Japanese input method on, the minus key gives the long vowel mark
// and the comma key the ideographic comma: both are read as typed meant.
constexpr Replacement kSigns[] = {
    {u'\uFF0B', u'+'},  // FULLWIDTH PLUS SIGN
    {u'\uFF0D', u'-'},  // FULLWIDTH HYPHEN-MINUS
    {u'\u2212', u'-'},  // MINUS SIGN
    {u'\u30FC', u'-'},  // KATAKANA-HIRAGANA PROLONGED SOUND MARK
    {u'\uFF70', u'-'},  // HALFWIDTH KATAKANA-HIRAGANA PROLONGED SOUND MARK
    {u'\u2010', u'-'},  // HYPHEN
    {u'\uFF0C', u','},  // FULLWIDTH COMMA
    {u'\u3001', u','},  // IDEOGRAPHIC COMMA
    {u'\uFF64', u','},  // HALFWIDTH IDEOGRAPHIC COMMA
};

QChar AsciiOf(QChar c) {
  const char16_t unit = c.unicode();
  if (unit >= kFullWidthZero && unit <= kFullWidthNine) {
    return QChar(static_cast<char16_t>(u'0' + (unit - kFullWidthZero)));
  }
  for (const Replacement& sign : kSigns) {
    if (unit == sign.from) return QChar(sign.to);
  }
  return c;
}

}  // namespace

std::string NumericText(const QString& text) {
  QString ascii = text;
  for (QChar& c : ascii) c = AsciiOf(c);
  return ascii.toStdString();
}

}  // namespace zelmora
