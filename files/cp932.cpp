#include "files/cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "files/cp932_table.h"

namespace zelmora {
namespace {

// Characters that Linux input methods produce where the code page holds a
// look-alike (from, to).
constexpr std::array<std::pair<char32_t, char32_t>, 7> kLookAlikes = {{
    {0x301C, 0xFF5E},  // wave dash -> full-width tilde
    {0x2016, 0x2225},  // double vertical line -> parallel to
    {0x2212, 0xFF0D},  // minus sign -> full-width hyphen-minus
    {0x00A2, 0xFFE0},  // cent
    {0x00A3, 0xFFE1},  // pound
    {0x00AC, 0xFFE2},  // not sign
    {0x2014, 0x2015},  // em dash -> horizontal bar
}};

constexpr char32_t kReplacement = 0xFFFD;
// What DecodeAt gives for bytes that hold no character (U+0000 is ASCII
// and never asked for).
constexpr char32_t kNoCharacter = 0;

// The code point of the character that starts with the byte at `cp932`, of
// 0x80 or more, with `available` bytes there, and its length in bytes;
// kNoCharacter for a byte that starts none (0x80, 0xA0, 0xFD to 0xFF, a lead
// byte without its trail) or a pair the code page leaves empty (0 in the
// table). The table holds no yen sign nor overline, so 0x5C and 0x7E stay
// ASCII. Inlined into the report's decoding loop, where a call for every
// double-byte character costs a tenth more instructions
// (bench/command_line_cost.sh).
[[gnu::always_inline]] inline std::pair<char32_t, std::size_t> DecodeAt(const unsigned char* cp932,
                                                                        std::size_t available) {
  const unsigned char byte = cp932[0];
  if (byte >= 0xA1 && byte <= 0xDF) return {0xFF61 + (byte - 0xA1), 1};
  if (available < 2 || Cp932CharacterBytes(static_cast<char>(byte)) != 2) return {kNoCharacter, 1};
  const unsigned char trail = cp932[1];
  if (trail < 0x40 || trail > 0xFC) return {kNoCharacter, 1};
  const std::size_t lead = byte <= 0x9F ? byte - 0x81 : byte - 0xE0 + (0x9F - 0x81 + 1);
  const char32_t code = kCp932Decode[lead][trail - 0x40];
  return {code, code == kNoCharacter ? 1 : 2};
}

// The code point of the UTF-8 sequence at `utf8[i]` and its length; a length
// of 0 for a sequence that is not valid UTF-8 (cut, overlong, a surrogate,
// past U+10FFFF).
std::pair<char32_t, std::size_t> Utf8At(std::string_view utf8, std::size_t i) {
  constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};  // by length
  const auto lead = static_cast<unsigned char>(utf8[i]);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || utf8.size() - i < length) return {0, 0};
  char32_t value = length == 1 ? lead : lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[i + k]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    value = value << 6 | (next & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < kLeast[length] || value > 0x10FFFF || surrogate) return {0, 0};
  return {value, length};
}

// The code page's bytes for one code point, after the look-alikes: a byte
// pair (lead << 8 | trail), a single byte under 0x100, or 0 when the code
// page cannot hold it (U+0000 is the byte 0, handled before).
std::uint16_t EncodeCharacter(char32_t code) {
  if (code < 0x80) return static_cast<std::uint16_t>(code);
  for (const auto& [from, to] : kLookAlikes) {
    if (code == from) code = to;
  }
  if (code > 0xFFFF) return 0;
  return kCp932Encode[kCp932EncodePage[code >> 8]][code & 0xFF];
}

}  // namespace

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      out += utf8[i++];
      continue;
    }
    const auto [code, length] = Utf8At(utf8, i);
    if (length == 0) return std::nullopt;
    const std::uint16_t bytes = EncodeCharacter(code);
    if (bytes == 0) return std::nullopt;
    if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
    out += static_cast<char>(bytes & 0xFF);
    i += length;
  }
  return out;
}

std::size_t AppendUtf8FromCp932Prefix(std::string_view cp932, std::size_t count, std::string& out,
                                      bool& whole) {
  // Decoded a block at a time into a buffer of the block's largest UTF-8
  // (three bytes for every byte: a half-width katakana or a U+FFFD), so that
  // the string grows once a block rather than once a character.
  constexpr std::size_t kBlock = 4096;
  char buffer[3 * kBlock + 3];
  const auto* bytes = reinterpret_cast<const unsigned char*>(cp932.data());
  const std::size_t size = cp932.size();
  const std::size_t goal = std::min(count, size);
  std::size_t read = 0;
  while (read < goal) {
    const std::size_t block_end = std::min(goal, read + kBlock);
    char* end = buffer;
    while (read < block_end) {
      const unsigned char byte = bytes[read];
      if (byte < 0x80) {
        *end++ = static_cast<char>(byte);
        ++read;
        continue;
      }
      // A pair that decodes to nothing gives up its first byte only: the
      // next one is read afresh.
      auto [code, length] = DecodeAt(bytes + read, size - read);
      if (code == kNoCharacter) {
        whole = false;
        code = kReplacement;
      }
      // Every code point here is at least U+0080 and in the Basic
      // Multilingual Plane.
      if (code < 0x800) {
        *end++ = static_cast<char>(0xC0 | (code >> 6));
      } else {
        *end++ = static_cast<char>(0xE0 | (code >> 12));
        *end++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      }
      *end++ = static_cast<char>(0x80 | (code & 0x3F));
      read += length;
    }
    out.append(buffer, static_cast<std::size_t>(end - buffer));
  }
  return read;
}

bool AppendUtf8FromCp932(std::string_view cp932, std::string& out) {
  bool whole = true;
  AppendUtf8FromCp932Prefix(cp932, cp932.size(), out, whole);
  return whole;
}

std::string Utf8FromCp932(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  AppendUtf8FromCp932(cp932, out);
  return out;
}

bool IsCp932Text(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const auto [code, length] =
        DecodeAt(reinterpret_cast<const unsigned char*>(bytes.data()) + i, bytes.size() - i);
    if (code == kNoCharacter) return false;
    i += length;
  }
  return true;
}

bool IsUtf8Text(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  return Utf8At(text, i).second;
}

std::string FirstUnholdable(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto [code, length] = Utf8At(utf8, i);
    if (length == 0) {
      // Not UTF-8: the bytes up to the next lead byte, as they are.
      std::size_t end = i + 1;
      while (end < utf8.size() && (utf8[end] & 0xC0) == 0x80) ++end;
      return std::string(utf8.substr(i, end - i));
    }
    if (code != 0 && EncodeCharacter(code) == 0) return std::string(utf8.substr(i, length));
    i += length;
  }
  return {};
}

}  // namespace zelmora
