#include "files/cp932.h"

#include <errno.h>
#include <iconv.h>

#include <array>
#include <cstdint>
#include <utility>

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

// iconv_open reports failure as (iconv_t)-1: the cast is the library's own
// convention, so the int-to-pointer check is silenced where it is compared.
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; on a sequence that cannot be converted, appends
  // `replacement` and skips one byte when `replacement` is given, else fails.
  std::optional<std::string> Convert(std::string_view in,
                                     std::optional<std::string_view> replacement) {
    if (cd_ == kNoConverter) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    std::string buffer(in);
    char* src = buffer.data();
    std::size_t left = buffer.size();
    char chunk[256];
    while (left > 0) {
      char* dst = chunk;
      std::size_t room = sizeof chunk;
      const std::size_t done = iconv(cd_, &src, &left, &dst, &room);
      out.append(chunk, static_cast<std::size_t>(dst - chunk));
      if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
      if (!replacement) return std::nullopt;
      out += *replacement;  // EILSEQ or EINVAL (a lead byte at the end)
      ++src;
      --left;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Opened once per thread: opening costs more than converting a roster.
Converter& FromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

// Code page 932 to UTF-8 with `replacement` for what does not decode, or
// nothing without one. ASCII is the same in both, and most of a report or a
// roster: only the runs of other characters go through the converter.
std::optional<std::string> ConvertedFromCp932(std::string_view cp932,
                                              std::optional<std::string_view> replacement) {
  Converter& converter = FromCp932();
  std::string out;
  out.reserve(cp932.size() + cp932.size() / 2);
  std::size_t at = 0;
  while (at < cp932.size()) {
    std::size_t end = at;
    while (end < cp932.size() && static_cast<unsigned char>(cp932[end]) < 0x80) ++end;
    out.append(cp932.substr(at, end - at));
    at = end;
    while (end < cp932.size() && static_cast<unsigned char>(cp932[end]) >= 0x80) {
      end = std::min(cp932.size(), end + Cp932CharacterBytes(cp932[end]));
    }
    if (end == at) continue;
    const std::optional<std::string> converted =
        converter.Convert(cp932.substr(at, end - at), replacement);
    if (!converted) return std::nullopt;
    out += *converted;
    at = end;
  }
  return out;
}

}  // namespace

// Opened once per thread and direction: opening costs more than converting
// a line. Each conversion starts from the initial state.
std::optional<std::string> Cp932FromUtf8(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Convert(MapLookAlikes(utf8), std::nullopt);
}

std::string Utf8FromCp932(std::string_view cp932) {
  return ConvertedFromCp932(cp932, "\uFFFD").value_or(std::string());
}

bool IsCp932Text(std::string_view bytes) {
  return ConvertedFromCp932(bytes, std::nullopt).has_value();
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
