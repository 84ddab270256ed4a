#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/encounter.h"

// What the grid shows beyond the numbers: each attacker's best target and
// the heat map of the expected damage. Plain arithmetic on the results,
// kept apart from the widgets so that it can be checked on its own.
namespace zelmora {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb&) const = default;
};

template <class T>
using PairingGrid = std::array<std::array<T, Encounter::kSlots>, Encounter::kSlots>;

// [row][column]: whether the pairing has its row's highest expected damage.
// Equal highest values are all marked; a row whose highest value is 0 or
// below marks nothing.
PairingGrid<bool> BestTargets(const Encounter& encounter);

// How a pairing cell is painted: a background and the text on it.
struct Tint {
  Rgb background;
  Rgb text;

  bool operator==(const Tint&) const = default;
};

// The tint of the best targets when the heat map is off.
Tint BestTargetTint();

// The heat-map tint of an expected damage, relative to the highest in the
// grid: one of kHeatClasses steps from light yellow to orange-brown, whose
// lightness alone tells the order. Zero, negative values and a grid without
// a positive value get none.
inline constexpr int kHeatClasses = 12;
std::optional<Tint> HeatTint(double expected_damage, double highest);
double HighestExpectedDamage(const Encounter& encounter);

// The contrast ratio of two colours as the accessibility guidelines define
// it, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb first, Rgb second);
double RelativeLuminance(Rgb colour);

}  // namespace zelmora
