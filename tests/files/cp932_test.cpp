#include "files/cp932.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

TEST(Cp932Test, ConvertsBothWaysWithTheInputMethodLookAlikes) {
  EXPECT_EQ(Cp932FromUtf8("ゴブリン"), "\x83\x53\x83\x75\x83\x8a\x83\x93");
  EXPECT_EQ(Cp932FromUtf8("\\~"), "\\~");  // not the yen sign or the overline
  EXPECT_EQ(Cp932FromUtf8("\u301C\u2212"), Cp932FromUtf8("\uFF5E\uFF0D"));
  EXPECT_EQ(Cp932FromUtf8("\u2460"), "\x87\x40");  // NEC row: circled one
  EXPECT_EQ(Utf8FromCp932("\x83\x53\x83\x75\x83\x8a\x83\x93"), "ゴブリン");
  EXPECT_EQ(Cp932Text<"相性">(), "\x91\x8a\x90\xab");
}

TEST(Cp932Test, NeverChangesTextSilently) {
  EXPECT_EQ(Cp932FromUtf8("a\U0001F600"), std::nullopt);  // no emoji in the code page
  EXPECT_EQ(Cp932FromUtf8("\xff"), std::nullopt);         // not UTF-8
  // A lead byte at the end, or a bad pair, shows as U+FFFD; the rest decodes.
  EXPECT_EQ(Utf8FromCp932("a\x82"), "a\uFFFD");
  EXPECT_EQ(Utf8FromCp932(std::string("\x82\x00z", 3)), std::string("\uFFFD\0z", 5));
}

// Where Windows's and Linux's converters differ, both give these answers.
TEST(Cp932Test, AgreesAcrossPlatformsWhereTheirConvertersDiffer) {
  for (const char* refused : {"\u00A5", "\u203E", "\u0080", "\uF8F0", "\uF8F3"}) {
    EXPECT_EQ(Cp932FromUtf8(refused), std::nullopt) << refused;
  }
  for (const char* lone : {"\x80", "\xA0", "\xFD", "\xFE", "\xFF"}) {
    EXPECT_EQ(Utf8FromCp932(std::string("a") + lone + "b"), "a\uFFFDb") << +lone[0];
  }
  std::size_t decoded = 0;
  for (int lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead + 1) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      decoded += Utf8FromCp932(pair).find("\uFFFD") == std::string::npos;
    }
  }
  EXPECT_EQ(decoded, 9604u);
}

// Some characters have two or three byte pairs; the table decodes every one
// and encodes to the pair the code page's own encoder writes.
TEST(Cp932Test, EncodesACharacterOfSeveralPairsToTheCodePagesChoice) {
  struct Case {
    const char* utf8;
    const char* pair;       // what is written
    const char* duplicate;  // another pair that reads as the same character
  };
  const Case cases[] = {
      {"\u2252", "\x81\xE0", "\x87\x90"},  // nearly equal: JIS X 0208 before NEC row 13
      {"\u2160", "\x87\x54", "\xFA\x4A"},  // roman one: NEC row 13 before IBM
      {"\uFFE2", "\x81\xCA", "\xEE\xF9"},  // not sign: JIS X 0208 before the NEC selection
      {"\u2170", "\xFA\x40", "\xEE\xEF"},  // small roman one: IBM before the NEC selection
      {"\u7E8A", "\xFA\x5C", "\xED\x40"},  // a kanji of the IBM extensions
      {"\uE000", "\xF0\x40", "\xF0\x40"},  // the user-defined area as private use
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp932FromUtf8(c.utf8), c.pair) << c.utf8;
    EXPECT_EQ(Utf8FromCp932(c.pair), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8FromCp932(c.duplicate), c.utf8) << c.utf8;
  }
}

TEST(Cp932Test, TellsTextOfTheCodePageAndTheFirstCharacterItCannotHold) {
  struct Case {
    std::string bytes;
    bool cp932;
  };
  const Case cases[] = {
      {"", true},
      {"P,1,\"\xB6\xB0\"", true},   // half-width katakana
      {"\x83\x53\xF9\xFC", true},   // the last pair of the user-defined area
      {"\x85\x40", false},          // a pair the code page leaves empty
      {"\x83\x7F", false},          // no trail byte 0x7F
      {"\x83", false},              // a lead byte at the end
      {"a\xA0", false},             // a single byte that is no character
      {"\xE3\x81\x82\xFF", false},  // UTF-8 then 0xFF
  };
  for (const Case& c : cases) EXPECT_EQ(IsCp932Text(c.bytes), c.cp932) << c.bytes;

  EXPECT_EQ(FirstUnholdable("ab\u00A5\u2603"), "\u00A5");
  EXPECT_EQ(FirstUnholdable("\u301C\u2603x"), "\u2603");  // the wave dash is held
  EXPECT_EQ(FirstUnholdable("ゴブリン\U0001F600"), "\U0001F600");
  EXPECT_EQ(FirstUnholdable("ゴブリン"), "");
}

}  // namespace
}  // namespace zelmora
