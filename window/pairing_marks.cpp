#include "window/pairing_marks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace zelmora {
namespace {

// A sequential scale from the colour-blind-safe yellow-orange-brown family:
// every stop is darker than the one before it, and the last one still leaves
// black text a contrast of about 7:1.
constexpr Rgb kHeatStops[] = {{0xff, 0xf7, 0xbc},
                              {0xfe, 0xe3, 0x91},
                              {0xfe, 0xc4, 0x4f},
                              {0xfe, 0x99, 0x29},
                              {0xec, 0x70, 0x14}};
constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {0xff, 0xff, 0xff};

// Results that print alike (15 significant digits) count as equal, so that a
// tie the user sees is marked as one.
bool NearlyEqual(double a, double b) {
  return std::abs(a - b) <= 1e-13 * std::max(std::abs(a), std::abs(b));
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double share) {
  return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

// Black or white, whichever stands out more.
Tint WithReadableText(Rgb background) {
  return {background,
          ContrastRatio(background, kBlack) >= ContrastRatio(background, kWhite) ? kBlack : kWhite};
}

// The colour at `position` from 0 (lightest) to 1 (darkest).
Rgb OnScale(double position) {
  const double at = position * (std::size(kHeatStops) - 1);
  const auto lower = std::min(static_cast<std::size_t>(at), std::size(kHeatStops) - 2);
  const Rgb from = kHeatStops[lower];
  const Rgb to = kHeatStops[lower + 1];
  const double step = at - static_cast<double>(lower);
  return {Mix(from.red, to.red, step), Mix(from.green, to.green, step),
          Mix(from.blue, to.blue, step)};
}

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The highest expected damage of one attacker's row; 0 when none is above 0.
double RowHighest(const Encounter& encounter, int row) {
  double highest = 0;
  for (int column = 1; column <= Encounter::kSlots; ++column) {
    highest = std::max(highest, encounter.result(row, column).expected_damage);
  }
  return highest;
}

}  // namespace

PairingGrid<bool> BestTargets(const Encounter& encounter) {
  PairingGrid<bool> best{};
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    const double highest = RowHighest(encounter, row);
    if (!(highest > 0)) continue;
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      best[row - 1][column - 1] =
          NearlyEqual(encounter.result(row, column).expected_damage, highest);
    }
  }
  return best;
}

Tint BestTargetTint() {
  static const Tint kTint = WithReadableText({0xc6, 0xdb, 0xef});
  return kTint;
}

double HighestExpectedDamage(const Encounter& encounter) {
  double highest = 0;
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    highest = std::max(highest, RowHighest(encounter, row));
  }
  return highest;
}

// The scale in classes, worked out once: a class changes only when a value
// moves far enough, so a keystroke retints few cells and computes no colour.
std::optional<Tint> HeatTint(double expected_damage, double highest) {
  if (!(expected_damage > 0) || !(highest > 0)) return std::nullopt;
  static const std::array<Tint, kHeatClasses> kClasses = [] {
    std::array<Tint, kHeatClasses> classes{};
    for (int i = 0; i < kHeatClasses; ++i) {
      classes[i] = WithReadableText(OnScale(static_cast<double>(i) / (kHeatClasses - 1)));
    }
    return classes;
  }();
  const double share = std::min(expected_damage / highest, 1.0);
  const int level = static_cast<int>(std::ceil(share * kHeatClasses));
  return kClasses[std::clamp(level, 1, kHeatClasses) - 1];
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace zelmora
