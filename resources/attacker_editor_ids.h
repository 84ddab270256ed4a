#pragma once

// Control identifiers of the attacker editor ("行動側詳細設定"), used by its
// layout table, its code and its tests. OK and Cancel are layout::kOk and
// layout::kCancel.
namespace zelmora::attacker_ids {

inline constexpr int kName = 1018;
inline constexpr int kJudgmentValue = 1019;
inline constexpr int kDiceCount = 1020;
inline constexpr int kDamageBonus = 1021;
inline constexpr int kAttackCount = 1022;
inline constexpr int kJudgmentKind = 1023;
inline constexpr int kEvasionKind = 1024;
inline constexpr int kDefenceKind = 1025;
inline constexpr int kDefenceOption = 1026;
inline constexpr int kAttackAttribute = 1027;
inline constexpr int kAutoTrigger = 1028;
inline constexpr int kSwap = 1234;
inline constexpr int kCopy = 1235;
inline constexpr int kSaveOne = 1245;
inline constexpr int kLoadOne = 1246;
// "QVM取り込み" stays in the layout without an action: monster sheets fill
// defenders only.
inline constexpr int kQvmImport = 1247;

}  // namespace zelmora::attacker_ids
