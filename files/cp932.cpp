#include "files/cp932.h"

#include <array>
#include <cstdint>
#include <utility>

#include "files/cp932_platform.h"

namespace zelmora {
namespace {

// Characters that Linux input methods produce where the code page holds a
// look-alike, as UTF-8 pairs (from, to).
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kLookAlikes = {{
    {"\u301C", "\uFF5E"},  // wave dash -> full-width tilde
    {"\u2016", "\u2225"},  // double vertical line -> parallel to
    {"\u2212", "\uFF0D"},  // minus sign -> full-width hyphen-minus
    {"\u00A2", "\uFFE0"},  // cent
    {"\u00A3", "\uFFE1"},  // pound
    {"\u00AC", "\uFFE2"},  // not sign
    {"\u2014", "\u2015"},  // em dash -> horizontal bar
}};

// Characters one platform's converter takes and another's refuses. None is
// taken anywhere, so that a text saves the same everywhere: the yen sign and
// overline would become the backslash and tilde (a silent change), and the
// rest are Windows's stand-ins for the single bytes below.
constexpr std::array<std::string_view, 7> kRefused = {
    "\u00A5", "\u203E", "\u0080", "\uF8F0", "\uF8F1", "\uF8F2", "\uF8F3",
};

// Every look-alike starts with one of these bytes.
bool MayStartLookAlike(char byte) { return byte == '\xC2' || byte == '\xE2' || byte == '\xE3'; }

std::string MapLookAlikes(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    bool mapped = false;
    for (const auto& [from, to] : kLookAlikes) {
      if (!MayStartLookAlike(utf8.front())) break;
      if (utf8.substr(0, from.size()) == from) {
        out += to;
        utf8.remove_prefix(from.size());
        mapped = true;
        break;
      }
    }
    if (!mapped) {
      out += utf8.front();
      utf8.remove_prefix(1);
    }
  }
  return out;
}

bool HoldsRefused(std::string_view utf8) {
  for (const std::string_view refused : kRefused) {
    if (utf8.find(refused) != std::string_view::npos) return true;
  }
  return false;
}

// The bytes of the character that starts `cp932`: 1 or 2, or 0 for a byte
// that starts none. Windows reads 0x80, 0xA0 and 0xFD-0xFF as characters of
// its own and Linux refuses them; they start none here, on every platform.
std::size_t CharacterLength(std::string_view cp932) {
  const auto byte = static_cast<unsigned char>(cp932.front());
  if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF)) return 1;
  const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  return lead && cp932.size() >= 2 ? 2 : 0;
}

bool WellFormed(std::string_view cp932) {
  while (!cp932.empty()) {
    const std::size_t length = CharacterLength(cp932);
    if (length == 0) return false;
    cp932.remove_prefix(length);
  }
  return true;
}

// One character at a time; a byte that starts no character, or one whose
// character the code page lacks, becomes U+FFFD and the next byte is read
// afresh.
std::string DecodeEachCharacter(std::string_view cp932) {
  std::string out;
  while (!cp932.empty()) {
    const std::size_t length = CharacterLength(cp932);
    std::optional<std::string> character;
    if (length > 0) character = PlatformUtf8FromCp932(cp932.substr(0, length));
    out += character.value_or("\uFFFD");
    cp932.remove_prefix(character ? length : 1);
  }
  return out;
}

}  // namespace

std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  std::string mapped = MapLookAlikes(utf8);
  if (HoldsRefused(mapped)) return std::nullopt;
  return PlatformCp932FromUtf8(mapped);
}

std::string Utf8FromCp932(std::string_view cp932) {
  if (WellFormed(cp932)) {
    if (auto whole = PlatformUtf8FromCp932(cp932)) return *std::move(whole);
  }
  return DecodeEachCharacter(cp932);
}

// Only the double-byte characters ask the converter, gathered in one piece:
// a long file is mostly ASCII and half-width kana, which need no asking.
bool IsCp932Text(std::string_view bytes) {
  std::string double_bytes;
  while (!bytes.empty()) {
    const std::size_t length = CharacterLength(bytes);
    if (length == 0) return false;
    if (length == 2) double_bytes.append(bytes.substr(0, 2));
    bytes.remove_prefix(length);
  }
  return double_bytes.empty() || PlatformUtf8FromCp932(double_bytes).has_value();
}

// A hand check rather than a conversion: a 64 MB file would need four
// times its size as UTF-32.
bool IsUtf8Text(std::string_view bytes) {
  constexpr std::array<std::uint32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};  // by length
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || bytes.size() - i < length) return false;
    std::uint32_t value = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = value << 6 | (next & 0x3Fu);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < kLeast[length] || value > 0x10FFFF || surrogate) return false;
    i += length;
  }
  return true;
}

std::string FirstUnholdable(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t length = 1;
    while (i + length < utf8.size() && (utf8[i + length] & 0xC0) == 0x80) ++length;
    const std::string_view character = utf8.substr(i, length);
    if (!Cp932FromUtf8(character)) return std::string(character);
    i += length;
  }
  return {};
}

}  // namespace zelmora
