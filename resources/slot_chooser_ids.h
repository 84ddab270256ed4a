#pragma once

#include <array>

// Control identifiers of the slot chooser ("入れ替え／コピー"), used by its
// layout table, its code and its tests. It has Cancel (layout::kCancel) but
// no OK.
namespace zelmora::chooser_ids {

inline constexpr int kPrompt = 1238;
// Slot n's number button and name field are entry n - 1; the name fields'
// identifiers are not in row order.
inline constexpr std::array<int, 5> kSlotButtons = {1239, 1240, 1241, 1242, 1243};
inline constexpr std::array<int, 5> kSlotNames = {1244, 1246, 1247, 1245, 1248};

}  // namespace zelmora::chooser_ids
