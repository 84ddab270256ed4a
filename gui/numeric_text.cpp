#include "gui/numeric_text.h"

namespace zelmora {
namespace {

constexpr char16_t kFullWidthZero = u'\uFF10';
constexpr char16_t kFullWidthNine = u'\uFF19';

struct Replacement {
  char16_t from;
  char16_t to;
};
constexpr Replacement kSigns[] = {
    {u'\uFF0B', u'+'},  // FULLWIDTH PLUS SIGN
    {u'\uFF0D', u'-'},  // FULLWIDTH HYPHEN-MINUS
    {u'\u2212', u'-'},  // MINUS SIGN
    {u'\uFF0C', u','},  // FULLWIDTH COMMA
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
