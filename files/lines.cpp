#include "files/lines.h"

#include <utility>

#include "engine/text.h"

namespace zelmora {

std::string_view TakeLine(std::string_view& bytes) {
  const std::size_t lf = bytes.find('\n');
  if (lf == std::string_view::npos) return std::exchange(bytes, std::string_view());
  const std::size_t end = lf > 0 && bytes[lf - 1] == '\r' ? lf - 1 : lf;
  const std::string_view line = bytes.substr(0, end);
  bytes.remove_prefix(lf + 1);
  return line;
}

std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t max_lines) {
  std::vector<std::string_view> lines;
  while (!bytes.empty() && lines.size() < max_lines) lines.push_back(TakeLine(bytes));
  return lines;
}

std::optional<std::int32_t> TakeCommaInt(std::string_view& text) {
  if (text.empty() || text.front() != ',') return std::nullopt;
  std::string_view after = text.substr(1);
  const std::optional<std::int32_t> value = TakeLeadingInt(after);
  if (value) text = after;
  return value;
}

}  // namespace zelmora
