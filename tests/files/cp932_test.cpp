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

}  // namespace
}  // namespace zelmora
