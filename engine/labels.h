#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The enumerations shared by the engine, the editors, the files and the
// reports. A record stores the value, which is also the index into the
// label table; the labels are code page 932 bytes.
namespace zelmora {

enum JudgmentKind : std::int32_t { kJudgePhysical, kJudgeMagic, kJudgeSpecial };
enum DefenceKind : std::int32_t { kDefendPhysical, kDefendMagic, kDefendNone };
enum DefenceOption : std::int32_t { kOptionNormal, kOptionHalf, kOptionIgnore };
enum EvasionKind : std::int32_t { kEvadeMelee, kEvadeRanged, kEvadeMagic, kEvadeNone };
enum AttackAttribute : std::int32_t {
  kAttrSword,
  kAttrThing,
  kAttrArt,
  kAttrFire,
  kAttrIce,
  kAttrThunder,
  kAttrWind,
  kAttrMind,
  kAttrForbidden,
  kAttrHoly,
  kAttrCurse,
  kAttrNeutral,       // "－": always counts as ○
  kAttrSpecial,       // "特殊": always counts as ×
  kAttrPlanets,       // "諸惑星の加護": best affinity of all but 禁
  kAttrFiveElements,  // "五行霊符": best affinity of 物 火 氷 電 風
};
enum Affinity : std::int32_t {
  kAffNormal,  // ○ x1
  kAffDouble,  // ◎ x2
  kAffHalf,    // △ x0.5
  kAffNone,    // × no damage
  kAffPlus,    // ＋ no damage (not modelled further)
  kAffUp,      // ↑ no damage (not modelled further)
};

// Defence flags: the defence kind in the two low bits, then option bits.
inline constexpr std::int32_t kDefenceKindMask = 3;
inline constexpr std::int32_t kHalfDefenceFlag = 4;
inline constexpr std::int32_t kIgnoreDefenceFlag = 8;

constexpr std::int32_t DefenceKindOf(std::int32_t flags) { return flags & kDefenceKindMask; }
// "半分" wins when both option bits are set.
constexpr std::int32_t DefenceOptionOf(std::int32_t flags) {
  if (flags & kHalfDefenceFlag) return kOptionHalf;
  if (flags & kIgnoreDefenceFlag) return kOptionIgnore;
  return kOptionNormal;
}
// The defence kind as the editor and the detail dialog show it, bit by bit:
// flags 3 (never produced by the editor) show "なし".
constexpr std::int32_t ShownDefenceKind(std::int32_t flags) {
  if (flags & 2) return kDefendNone;
  if (flags & 1) return kDefendMagic;
  return kDefendPhysical;
}
constexpr std::int32_t DefenceFlags(std::int32_t kind, std::int32_t option) {
  return (kind == 1   ? 1
          : kind == 2 ? 2
                      : 0) |
         (option == 1   ? kHalfDefenceFlag
          : option == 2 ? kIgnoreDefenceFlag
                        : 0);
}

using LabelTable = std::span<const std::string_view>;

extern const LabelTable kJudgmentKindLabels;
extern const LabelTable kDefenceKindLabels;
extern const LabelTable kDefenceOptionLabels;
extern const LabelTable kEvasionKindLabels;
extern const LabelTable kAttackAttributeLabels;
extern const LabelTable kAffinityLabels;
// Auto-trigger list: position 0 "可" stores flag 1, position 1 "不" flag 0.
extern const LabelTable kAutoTriggerLabels;

// The label of a code, or `fallback` for a code outside the table (possible
// only from a hand-edited file).
std::string_view LabelOr(LabelTable table, std::int32_t code, std::string_view fallback);

}  // namespace zelmora
