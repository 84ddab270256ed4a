#include "engine/labels.h"

#include <array>

namespace zelmora {
namespace {

// Code page 932 bytes; the comment gives each label as it reads.
constexpr std::array<std::string_view, 3> kJudgmentKinds = {
    "\x95\xa8\x97\x9d",  // 物理
    "\x96\x82\x96\x40",  // 魔法
    "\x93\xc1\x8e\xea",  // 特殊
};
constexpr std::array<std::string_view, 3> kDefenceKinds = {
    "\x95\xa8\x97\x9d",  // 物理
    "\x96\x82\x96\x40",  // 魔法
    "\x82\xc8\x82\xb5",  // なし
};
constexpr std::array<std::string_view, 3> kDefenceOptions = {
    "\x92\xca\x8f\xed",  // 通常
    "\x94\xbc\x95\xaa",  // 半分
    "\x96\xb3\x8c\xf8",  // 無効
};
constexpr std::array<std::string_view, 4> kEvasionKinds = {
    "\x8a\x69\x93\xac",  // 格闘
    "\x8e\xcb\x8c\x82",  // 射撃
    "\x96\x82\x96\x40",  // 魔法
    "\x82\xc8\x82\xb5",  // なし
};
constexpr std::array<std::string_view, 15> kAttackAttributes = {
    "\x8c\x95",                                          // 剣
    "\x95\xa8",                                          // 物
    "\x8b\x5a",                                          // 技
    "\x89\xce",                                          // 火
    "\x95\x58",                                          // 氷
    "\x93\x64",                                          // 電
    "\x95\x97",                                          // 風
    "\x90\x53",                                          // 心
    "\x8b\xd6",                                          // 禁
    "\x90\xb9",                                          // 聖
    "\x8e\xf4",                                          // 呪
    "\x81\x7c",                                          // －
    "\x93\xc1\x8e\xea",                                  // 特殊
    "\x8f\x94\x98\x66\x90\xaf\x82\xcc\x89\xc1\x8c\xec",  // 諸惑星の加護
    "\x8c\xdc\x8d\x73\x97\xec\x95\x84",                  // 五行霊符
};
constexpr std::array<std::string_view, 6> kAffinities = {
    "\x81\x9b",  // ○
    "\x81\x9d",  // ◎
    "\x81\xa2",  // △
    "\x81\x7e",  // ×
    "\x81\x7b",  // ＋
    "\x81\xaa",  // ↑
};
constexpr std::array<std::string_view, 2> kAutoTriggers = {
    "\x89\xc2",  // 可
    "\x95\x73",  // 不
};

}  // namespace

const LabelTable kJudgmentKindLabels = kJudgmentKinds;
const LabelTable kDefenceKindLabels = kDefenceKinds;
const LabelTable kDefenceOptionLabels = kDefenceOptions;
const LabelTable kEvasionKindLabels = kEvasionKinds;
const LabelTable kAttackAttributeLabels = kAttackAttributes;
const LabelTable kAffinityLabels = kAffinities;
const LabelTable kAutoTriggerLabels = kAutoTriggers;

std::string_view LabelOr(LabelTable table, std::int32_t code, std::string_view fallback) {
  if (code < 0 || static_cast<std::size_t>(code) >= table.size()) return fallback;
  return table[static_cast<std::size_t>(code)];
}

}  // namespace zelmora
