#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/matchup.h"

// Values as the data exports (JSON and CSV) write them: for programs to read
// back, not for the eye.
namespace zelmora {

// The shortest decimal text that reads back as the same double ("66.33",
// "0.1", "1e+300"); never depends on the locale. Empty for a value that is
// not finite, which neither format can carry as a number.
std::string ShortestReal(double value);

// The stored technique text of a pairing split into its meaning: "A" is an
// auto-triggered attack (no penalty), "-30" a technique of penalty 30.
struct TechniqueChoice {
  bool auto_triggered = false;
  std::optional<std::int32_t> penalty;
};
TechniqueChoice ReadTechnique(const MatchupResult& result);

}  // namespace zelmora
