#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 932 (Japanese Windows) conversion, the same on every platform:
// one table of the program's own (files/cp932_table.h), never the platform's
// converter. The table holds neither the yen sign nor the overline (0x5C and
// 0x7E are ASCII), and the single bytes 0x80, 0xA0 and 0xFD to 0xFF are no
// characters.
namespace zelmora {

// UTF-8 to code page 932. The characters Linux input methods produce for
// the wave dash, double vertical line, minus sign, cent, pound, not sign and
// horizontal bar are first mapped to the ones the code page holds. Returns
// nothing when a character cannot be held: text is never silently changed.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8);

// Code page 932 to UTF-8 for display. A byte sequence that does not decode
// becomes U+FFFD; the record keeps its bytes.
std::string Utf8FromCp932(std::string_view cp932);

// The same appended to `out`, without a string of its own: for text on its
// way out a piece at a time. Whether every byte decoded.
bool AppendUtf8FromCp932(std::string_view cp932, std::string& out);

// Decodes the start of `cp932` until at least `count` bytes are read (or
// all), stopping only between characters as the whole text reads them, so
// that a long text decoded piece by piece reads exactly as decoded whole.
// Clears `whole` when a byte did not decode. How many bytes were read.
std::size_t AppendUtf8FromCp932Prefix(std::string_view cp932, std::size_t count, std::string& out,
                                      bool& whole);

// Decodes `cp932` a piece at a time, handing each piece's UTF-8 to
// `each(std::string_view)`, so that a long text is never held decoded
// whole. Whether every byte decoded.
template <class Each>
bool ForEachUtf8Piece(std::string_view cp932, const Each& each) {
  constexpr std::size_t kPieceBytes = std::size_t{1} << 15;
  bool whole = true;
  std::string utf8;
  while (!cp932.empty()) {
    utf8.clear();
    cp932.remove_prefix(AppendUtf8FromCp932Prefix(cp932, kPieceBytes, utf8, whole));
    each(std::string_view(utf8));
  }
  return whole;
}

// Whether bytes decode whole as code page 932, and as UTF-8.
bool IsCp932Text(std::string_view bytes);
bool IsUtf8Text(std::string_view bytes);

// How many bytes the valid UTF-8 sequence at `text[i]` takes (1 for ASCII);
// 0 when the bytes there are not UTF-8 (cut, overlong, a surrogate, past
// U+10FFFF).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// The first character of valid UTF-8 text that code page 932 cannot hold,
// as UTF-8; empty when every one can be held.
std::string FirstUnholdable(std::string_view utf8);

// How many bytes the character starting with `first` takes: two after a
// lead byte (0x81 to 0x9F, 0xE0 to 0xFC), one otherwise.
constexpr std::size_t Cp932CharacterBytes(char first) {
  const auto byte = static_cast<unsigned char>(first);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 2 : 1;
}

// A UTF-8 string literal as a template argument.
template <std::size_t N>
struct Utf8Literal {
  constexpr Utf8Literal(const char (&text)[N]) { std::copy_n(text, N, chars); }
  constexpr std::string_view view() const { return {chars, N - 1}; }
  char chars[N];
};

// The code page 932 bytes of a fixed text, converted once on first use, so
// that the system's own Japanese texts stay readable in the source:
// Cp932Text<"相性">(). Every such text must be representable.
template <Utf8Literal text>
const std::string& Cp932Text() {
  static const std::string bytes = Cp932FromUtf8(text.view()).value();
  return bytes;
}

}  // namespace zelmora
