#include "gui/numeric_text.h"

#include <gtest/gtest.h>

#include <array>

#include "engine/text.h"

namespace zelmora {
namespace {

// What a Japanese input method gives for the comma and minus keys reads as
// the ASCII the grid's parsers know, in every numeric field.
TEST(NumericTextTest, JapaneseCommasAndMinusSignsReadAsTyped) {
  using Evasion = std::array<std::int32_t, 3>;
  struct Case {
    const char* typed;
    Evasion evasion;
  };
  for (const Case& c : {Case{"３０、２５、１０", {30, 25, 10}}, Case{"30，25､10", {30, 25, 10}},
                        Case{"ー５、－５、−５", {-5, -5, -5}}, Case{"‐5,ｰ5,＋5", {-5, -5, 5}}}) {
    EXPECT_EQ(ParseEvasionText(NumericText(QString::fromUtf8(c.typed))), c.evasion) << c.typed;
  }
  EXPECT_EQ(ParseLeadingInt(NumericText(QStringLiteral("ー５"))), -5);
  EXPECT_EQ(NumericText(QStringLiteral("アー5")), "ア-5");  // only the marks change
}

}  // namespace
}  // namespace zelmora
