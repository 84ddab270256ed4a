#pragma once

#include <array>

// Control identifiers of the defender editor ("受け側詳細設定"), used by its
// layout table, its code and its tests. OK and Cancel are layout::kOk and
// layout::kCancel.
namespace zelmora::defender_ids {

inline constexpr int kName = 1034;
inline constexpr int kMeleeEvasion = 1029;
inline constexpr int kRangedEvasion = 1030;
inline constexpr int kMagicEvasion = 1031;
inline constexpr int kPhysicalDefence = 1032;
inline constexpr int kMagicDefence = 1033;
// The affinity list of each attack attribute 0 to 10, by attribute: 火 (3)
// is 1039 and 氷 (4) is 1038.
inline constexpr std::array<int, 11> kAffinityLists = {1035, 1036, 1037, 1039, 1038, 1040,
                                                       1041, 1042, 1043, 1044, 1045};
inline constexpr int kSwap = 1236;
inline constexpr int kCopy = 1237;
inline constexpr int kSaveOne = 1248;
inline constexpr int kLoadOne = 1249;
inline constexpr int kImportSheet = 1250;

}  // namespace zelmora::defender_ids
