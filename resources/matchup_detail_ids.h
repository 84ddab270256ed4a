#pragma once

// Control identifiers of the pairing detail dialog ("命中率、ダメージ詳細"),
// used by its layout table, its code and its tests. Its one button is
// layout::kOk.
namespace zelmora::detail_ids {

inline constexpr int kAttackerName = 1046;
inline constexpr int kDefenderName = 1047;
inline constexpr int kJudgmentValue = 1083;
inline constexpr int kEvasionKind = 1084;
inline constexpr int kDamage = 1085;
inline constexpr int kDefenceKind = 1086;
inline constexpr int kEvasionValue = 1087;
inline constexpr int kDefenceValue = 1088;
inline constexpr int kDefenceOption = 1089;
inline constexpr int kAttackAttribute = 1090;
inline constexpr int kAffinitySymbol = 1091;
inline constexpr int kAttackChance = 1092;
inline constexpr int kTechnique = 1093;
inline constexpr int kExpectedDamage = 1094;

// The table of roll chances: row 0 is auto-trigger, rows 1 to 6 the technique
// penalties 0 to 50; five columns.
inline constexpr int kTableRows = 7;
inline constexpr int kTableColumns = 5;
inline constexpr int kFirstTableCell = 1048;
constexpr int TableCell(int row, int column) {
  return kFirstTableCell + kTableColumns * row + column;
}

}  // namespace zelmora::detail_ids
