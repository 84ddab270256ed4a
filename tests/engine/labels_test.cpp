#include "engine/labels.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace zelmora {
namespace {

// Converts a label to UTF-8 with the C library, so that a mistyped byte in a
// table shows as the wrong word.
std::string Utf8(std::string_view cp932) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string in(cp932), out(in.size() * 3, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t src_left = in.size(), dst_left = out.size();
  const bool ok = iconv(cd, &src, &src_left, &dst, &dst_left) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return "<invalid>";
  out.resize(out.size() - dst_left);
  return out;
}

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
