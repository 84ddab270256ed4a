#include "files/lines.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/text.h"

namespace zelmora {
namespace {

using Lines = std::vector<std::string_view>;

TEST(LinesTest, SplitsAtCrLfAndLoneLfOnly) {
  using namespace std::string_view_literals;
  struct Case {
    std::string_view bytes;
    Lines lines;
  };
  for (const Case& c : {
           Case{"", {}},
           Case{"\r\n", {""}},
           Case{"\n\n\r\n", {"", "", ""}},
           Case{"a\r\nb", {"a", "b"}},  // a last line without an end is read
           Case{"a\nb\r\n", {"a", "b"}},
           Case{"a\rb\r\nc", {"a\rb", "c"}},  // a lone CR stays in the line
           Case{"a\r", {"a\r"}},
           Case{"\r\r\n", {"\r"}},
           Case{"x\0y\r\n\0"sv, {"x\0y"sv, "\0"sv}},
       }) {
    EXPECT_EQ(SplitLines(c.bytes), c.lines) << ::testing::PrintToString(std::string(c.bytes));
  }
}

TEST(LinesTest, StopsAfterTheLimit) {
  EXPECT_EQ(SplitLines("a\nb\nc\n", 2), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb", 5), (Lines{"a", "b"}));
  EXPECT_TRUE(SplitLines("a\nb", 0).empty());
}

TEST(LinesTest, TakeIntReadsWhatAtoiReadsAndDropsIt) {
  struct Case {
    std::string_view text;
    std::optional<std::int32_t> value;
    std::string_view rest;
  };
  for (const Case& c : {
           Case{" -12x", -12, "x"},
           Case{"+7,", 7, ","},
           Case{"\t3 4", 3, " 4"},
           Case{"99999999999,", std::numeric_limits<std::int32_t>::max(), ","},
           Case{"-", std::nullopt, "-"},
           Case{" x", std::nullopt, " x"},
           Case{"", std::nullopt, ""},
           Case{"- 5", std::nullopt, "- 5"},
       }) {
    std::string_view text = c.text;
    EXPECT_EQ(TakeLeadingInt(text), c.value) << c.text;
    EXPECT_EQ(text, c.rest) << c.text;
  }
}

TEST(LinesTest, TakeCommaIntNeedsTheCommaFirst) {
  std::string_view text = ", 5,x";
  EXPECT_EQ(TakeCommaInt(text), 5);
  EXPECT_EQ(text, ",x");
  EXPECT_EQ(TakeCommaInt(text), std::nullopt);  // comma without an integer
  EXPECT_EQ(text, ",x");
  text = " ,5";
  EXPECT_EQ(TakeCommaInt(text), std::nullopt);  // a blank before the comma
  EXPECT_EQ(text, " ,5");
}

}  // namespace
}  // namespace zelmora
