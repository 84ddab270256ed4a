#include "engine/text.h"

#include <charconv>
#include <limits>

namespace zelmora {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::int32_t> TakeLeadingInt(std::string_view& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
  // Accumulate toward the sign so that INT32_MIN itself is reachable.
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    value = negative ? value * 10 - digit : value * 10 + digit;
    if (value > kMax) value = kMax;
    if (value < kMin) value = kMin;
  }
  text.remove_prefix(i);
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseLeadingInt(std::string_view text) { return TakeLeadingInt(text).value_or(0); }

std::string FormatInt(std::int64_t value) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string FormatGeneral(double value) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  return std::string(buffer, end);
}

std::string FormatFixed(double value, int digits) {
  // Fixed notation of a double can run to 309 digits before the point.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
  return std::string(buffer, result.ptr);
}

std::string PadLeft(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out.append(text);
  return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

namespace {

// Splits at the first `N - 1` commas; the last part runs to the end, so a
// further comma merely ends the digits of the last value.
template <std::size_t N>
std::array<std::int32_t, N> ParseCommaList(std::string_view text) {
  std::array<std::int32_t, N> values{};
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = i + 1 < N ? text.find(',') : std::string_view::npos;
    values[i] = ParseLeadingInt(text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return values;
}

}  // namespace

std::array<std::int32_t, 3> ParseEvasionText(std::string_view text) {
  return ParseCommaList<3>(text);
}

std::array<std::int32_t, 2> ParseDefenceText(std::string_view text) {
  return ParseCommaList<2>(text);
}

bool IsC1ControlAt(std::string_view utf8, std::size_t i) {
  return i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i]) == 0xC2 &&
         static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
         static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
}

}  // namespace zelmora
