#pragma once

#include <array>

// Control identifiers of the modifiers dialog ("ボーナス／ペナルティ"), used
// by its layout table, its code and its tests. OK and Cancel are layout::kOk
// and layout::kCancel.
namespace zelmora::modifiers_ids {

inline constexpr int kPhysicalHit = 1251;
inline constexpr int kMagicHit = 1252;
inline constexpr int kPhysicalDamage = 1253;
inline constexpr int kMagicDamage = 1254;
inline constexpr int kPhysicalEvasion = 1255;
inline constexpr int kPhysicalDefence = 1256;
inline constexpr int kMagicEvasion = 1257;
inline constexpr int kMagicDefence = 1258;

// The field of each of the eight shown values, in the order the values are
// kept (not the order of the identifiers).
inline constexpr std::array<int, 8> kShownFields = {
    kPhysicalHit,     kMagicHit,     kPhysicalDamage,  kMagicDamage,
    kPhysicalEvasion, kMagicEvasion, kPhysicalDefence, kMagicDefence,
};

}  // namespace zelmora::modifiers_ids
