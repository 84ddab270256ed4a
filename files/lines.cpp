#include "lines.h"

#include "text.h"

namespace zelmora {
namespace {

// The white space atoi skips.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t max_lines) {
  std::vector<std::string_view> lines;
  while (!bytes.empty() && lines.size() < max_lines) {
    const std::size_t lf = bytes.find('\n');
    if (lf == std::string_view::npos) {
      lines.push_back(bytes);
      break;
    }
    const std::size_t end = lf > 0 && bytes[lf - 1] == '\r' ? lf - 1 : lf;
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

std::optional<std::int32_t> TakeInt(std::string_view& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digits = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == digits) return std::nullopt;
  const std::int32_t value = ParseLeadingInt(text.substr(0, i));
  text.remove_prefix(i);
  return value;
}

std::optional<std::int32_t> TakeCommaInt(std::string_view& text) {
  if (text.empty() || text.front() != ',') return std::nullopt;
  std::string_view after = text.substr(1);
  const std::optional<std::int32_t> value = TakeInt(after);
  if (value) text = after;
  return value;
}

}  // namespace zelmora
