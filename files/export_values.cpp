#include "files/export_values.h"

#include <charconv>
#include <cmath>

#include "engine/text.h"

namespace zelmora {

std::string ShortestReal(double value) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc()) return {};
  return {buffer, end};
}

TechniqueChoice ReadTechnique(const MatchupResult& result) {
  if (result.technique == kAutoTriggerText) return {true, std::nullopt};
  std::string_view text = result.technique;
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::optional<std::int32_t> penalty = TakeLeadingInt(text);
  if (!penalty || !text.empty()) return {};
  return {false, penalty};
}

}  // namespace zelmora
