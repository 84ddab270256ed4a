// The program's own table against the C library's converter, which the
// table must equal everywhere but where the program decided otherwise (the
// yen sign and the overline are refused; the look-alikes are mapped first).
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "files/cp932.h"

namespace zelmora {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT

  std::optional<std::string> Convert(std::string in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* src = in.data();
    char* dst = out;
    std::size_t left = in.size();
    std::size_t room = sizeof out;
    if (iconv(cd_, &src, &left, &dst, &room) == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(out, static_cast<std::size_t>(dst - out));
  }

 private:
  iconv_t cd_;
};

std::string Utf8Of(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

TEST(Cp932TableTest, DecodesEveryPairAsTheCLibraryDoes) {
  Iconv decode("UTF-8", "CP932");
  if (!decode.valid()) GTEST_SKIP() << "the C library has no CP932 converter to compare with";
  for (int lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead + 1) {
    for (int trail = 0; trail <= 0xFF; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::optional<std::string> expected = decode.Convert(pair);
      std::string ours;
      const bool whole = AppendUtf8FromCp932(pair, ours);
      ASSERT_EQ(whole, expected.has_value()) << std::hex << lead << ' ' << trail;
      if (expected) {
        ASSERT_EQ(ours, *expected) << std::hex << lead << ' ' << trail;
      }
      ASSERT_EQ(IsCp932Text(pair), whole) << std::hex << lead << ' ' << trail;
    }
  }
}

TEST(Cp932TableTest, EncodesEveryCharacterAsTheCLibraryDoes) {
  Iconv encode("CP932", "UTF-8");
  if (!encode.valid()) GTEST_SKIP() << "the C library has no CP932 converter to compare with";
  for (char32_t code = 1; code < 0x10000; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const std::string utf8 = Utf8Of(code);
    std::optional<std::string> expected = encode.Convert(utf8);
    if (code == 0xA5 || code == 0x203E) expected = std::nullopt;  // refused here
    ASSERT_EQ(Cp932FromUtf8(utf8), expected) << std::hex << static_cast<unsigned>(code);
  }
}

}  // namespace
}  // namespace zelmora
