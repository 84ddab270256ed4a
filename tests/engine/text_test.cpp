#include "engine/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "engine/matchup.h"
#include "tests/support/comma_locale.h"

namespace zelmora {
namespace {

TEST(TextTest, LeadingIntegerTakesBlanksSignAndDigits) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  for (const Case& c :
       {Case{"", 0}, Case{"12abc", 12}, Case{"  -7", -7}, Case{"+8", 8}, Case{"-", 0},
        Case{"abc", 0}, Case{" 7 8", 7}, Case{"\t3", 3}, Case{"- 5", 0}, Case{"--5", 0},
        Case{"007", 7}, Case{"\xef\xbc\x91\xef\xbc\x92", 0},  // full-width 12 (UTF-8)
        Case{"\x82\x50\x82\x51", 0},                          // full-width 12 (code page 932)
        Case{"2147483647", 2147483647}, Case{"2147483648", 2147483647},
        Case{"99999999999999999999", 2147483647},
        Case{"-2147483648", std::numeric_limits<std::int32_t>::min()},
        Case{"-99999999999999999999", std::numeric_limits<std::int32_t>::min()}}) {
    EXPECT_EQ(ParseLeadingInt(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(TextTest, EvasionAndDefenceTextsSplitAtAsciiCommas) {
  using E = std::array<std::int32_t, 3>;
  EXPECT_EQ(ParseEvasionText("10"), (E{10, 0, 0}));
  EXPECT_EQ(ParseEvasionText("10,"), (E{10, 0, 0}));
  EXPECT_EQ(ParseEvasionText(",5"), (E{0, 5, 0}));
  EXPECT_EQ(ParseEvasionText("5,,7"), (E{5, 0, 7}));
  EXPECT_EQ(ParseEvasionText("1,2,3,4"), (E{1, 2, 3}));
  EXPECT_EQ(ParseEvasionText(" 7, 8 ,9"), (E{7, 8, 9}));
  EXPECT_EQ(ParseEvasionText(""), (E{0, 0, 0}));
  EXPECT_EQ(ParseEvasionText("10\x81\x43"
                             "20"),
            (E{10, 0, 0}));  // full-width comma
  using D = std::array<std::int32_t, 2>;
  EXPECT_EQ(ParseDefenceText("7"), (D{7, 0}));
  EXPECT_EQ(ParseDefenceText("7,8,9"), (D{7, 8}));
  EXPECT_EQ(ParseDefenceText(",-3"), (D{0, -3}));
}

TEST(TextTest, NumbersAreFormattedLikePrintfInTheCLocale) {
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(37.5), "37.5");
  EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(42.32), "42.32");
  EXPECT_EQ(FormatGeneral(11.4), "11.4");
  EXPECT_EQ(FormatGeneral(3.25632), "3.25632");
  EXPECT_EQ(FormatGeneral(0.00001), "1e-05");
  EXPECT_EQ(FormatGeneral(1e15), "1e+15");
  EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatGeneral(-9019431312.6), "-9019431312.6");
  EXPECT_EQ(FormatFixed(42.32, 6), "42.320000");
  EXPECT_EQ(FormatFixed(3.14159, 2), "3.14");
  EXPECT_EQ(FormatFixed(-1e300, 3).size(), 306u);
  EXPECT_EQ(FormatInt(-2147483648LL), "-2147483648");
  EXPECT_EQ(TechniqueText(0), "-0");
  EXPECT_EQ(TechniqueText(50), "-50");
  EXPECT_EQ(PadLeft("-0", 3), " -0");
  EXPECT_EQ(PadLeft("100.00", 5), "100.00");
  EXPECT_EQ(PadRight("ab", 4), "ab  ");
}

TEST(TextTest, CommaDecimalLocaleDoesNotReachTheText) {
  const testing::CommaLocale comma;
  if (!comma.InForce()) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
  EXPECT_EQ(FormatGeneral(42.32), "42.32");
  EXPECT_EQ(FormatFixed(42.32, 6), "42.320000");
}

}  // namespace
}  // namespace zelmora
