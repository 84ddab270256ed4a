#include "engine/labels.h"

#include <gtest/gtest.h>

#include <string>

#include "files/cp932.h"

namespace zelmora {
namespace {

// A label in UTF-8, so that a mistyped byte in a table shows as the wrong
// word (or as U+FFFD).
std::string Utf8(std::string_view cp932) { return Utf8FromCp932(cp932); }

std::string Joined(LabelTable table) {
  std::string all;
  for (std::string_view label : table) all += Utf8(label) + " ";
  return all;
}

TEST(LabelsTest, TablesReadAsTheirJapaneseLabels) {
  EXPECT_EQ(Joined(kJudgmentKindLabels), "物理 魔法 特殊 ");
  EXPECT_EQ(Joined(kDefenceKindLabels), "物理 魔法 なし ");
  EXPECT_EQ(Joined(kDefenceOptionLabels), "通常 半分 無効 ");
  EXPECT_EQ(Joined(kEvasionKindLabels), "格闘 射撃 魔法 なし ");
  EXPECT_EQ(Joined(kAttackAttributeLabels),
            "剣 物 技 火 氷 電 風 心 禁 聖 呪 － 特殊 諸惑星の加護 五行霊符 ");
  EXPECT_EQ(Joined(kAffinityLabels), "○ ◎ △ × ＋ ↑ ");
  EXPECT_EQ(Joined(kAutoTriggerLabels), "可 不 ");
}

TEST(LabelsTest, CodesOutsideATableGetTheFallback) {
  EXPECT_EQ(LabelOr(kAffinityLabels, 6, "?"), "?");
  EXPECT_EQ(LabelOr(kAffinityLabels, -1, "?"), "?");
  EXPECT_EQ(LabelOr(kEvasionKindLabels, 3, "?"), kEvasionKindLabels[3]);
}

TEST(LabelsTest, DefenceFlagsPackKindAndOption) {
  EXPECT_EQ(DefenceKindOf(12), kDefendPhysical);
  EXPECT_EQ(DefenceOptionOf(12), kOptionHalf);
  EXPECT_EQ(DefenceOptionOf(8), kOptionIgnore);
  EXPECT_EQ(DefenceOptionOf(3), kOptionNormal);
  EXPECT_EQ(DefenceFlags(kDefendNone, kOptionHalf), 6);
  EXPECT_EQ(DefenceFlags(kDefendMagic, kOptionIgnore), 9);
}

}  // namespace
}  // namespace zelmora
