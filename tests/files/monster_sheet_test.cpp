#include "files/monster_sheet.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/labels.h"
#include "tests/files/files_test_support.h"

namespace zelmora {
namespace {

using testing::Cp932;
using Affinities = std::array<std::int32_t, kAffinityCount>;

// A sheet of `count` CR LF lines, with the given lines (numbered from 1) set.
std::string Sheet(std::initializer_list<std::pair<int, std::string>> set, int count = 24) {
  std::vector<std::string> lines(static_cast<std::size_t>(count));
  for (const auto& [number, text] : set) lines[static_cast<std::size_t>(number - 1)] = text;
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Texts in double quotes, the pairs apart by anything but a quote.
std::string Quoted(std::initializer_list<std::string_view> texts) {
  std::string line = "lead";
  for (const std::string_view text : texts) line += "\"" + Cp932(text) + "\" , ";
  return line;
}

// A defender that holds something in every field, so that a field the
// sheet fails to set shows.
Defender Used() {
  Defender d;
  d.name = "old";
  d.melee_evasion = d.ranged_evasion = d.magic_evasion = 77;
  d.physical_defence = d.magic_defence = -77;
  d.affinities.fill(kAffUp);
  return d;
}

TEST(MonsterSheetTest, OnlyALowerCaseQvmExtensionSelectsTheQvmForm) {
  for (const char* path : {"a.qvm", "/x/y.z/b.qvm", ".qvm", "c.tar.qvm"})
    EXPECT_TRUE(IsQvmSheet(path)) << path;
  for (const char* path :
       {"a.QVM", "a.Qvm", "a.qvm.txt", "qvm", "a.qvmx", "d.qvm/e", "a.txt", ""}) {
    EXPECT_FALSE(IsQvmSheet(path)) << path;
  }
}

TEST(MonsterSheetTest, QvmFormScalesTheSheetNumbers) {
  Defender d = Used();
  ReadMonsterSheet(Sheet({{1, "20,30,10,25,15,12,18,5,5,8,"},
                          {9, "10,x"},
                          {12, "abc \"" + Cp932("ゴブリン") + "\" \"other\""},
                          {13, Quoted({"x", "◎", "△", "×", "＋", "↑", "○", "", "◎ ", "?", "◎"})}}),
                   true, d);
  EXPECT_EQ(d.name, Cp932("ゴブリン"));
  EXPECT_EQ(d.melee_evasion, 60);
  EXPECT_EQ(d.ranged_evasion, 36);
  EXPECT_EQ(d.magic_evasion, 43);
  EXPECT_EQ(d.physical_defence, 24);  // 72 / 5 + 10
  EXPECT_EQ(d.magic_defence, 5);      // (28 + 19 + 10) / 10
  // Symbols compare exactly: "◎ " and "?" are not symbols and give ○.
  EXPECT_EQ(d.affinities, (Affinities{0, 1, 2, 3, 4, 5, 0, 0, 0, 0, 1}));
}

TEST(MonsterSheetTest, QvmScaleZeroAndNegativeNumbersCutTowardZero) {
  Defender d = Used();
  ReadMonsterSheet(Sheet({{1, "0,7,0,7,-7,0,-1"}, {9, "0"}}), true, d);
  EXPECT_EQ(d.melee_evasion, 12);    // 7 x 180 / 100
  EXPECT_EQ(d.ranged_evasion, -12);  // -12.6 cut toward zero
  EXPECT_EQ(d.magic_evasion, -1);    // -1.8
  EXPECT_EQ(d.physical_defence, 2);  // 12 / 5 + 0
  EXPECT_EQ(d.magic_defence, 0);
}

TEST(MonsterSheetTest, QvmSheetMissingPartsGiveZeroOrKeepNameAndAffinities) {
  Defender d = Used();
  ReadMonsterSheet(Sheet({{1, "1,2,3,40"}, {9, "x"}, {12, "\"unclosed"}}, 12), true, d);
  EXPECT_EQ(d.melee_evasion, 72);  // 40 x 180 / 100; the rest of the numbers are 0
  EXPECT_EQ(d.ranged_evasion, 0);
  EXPECT_EQ(d.magic_evasion, 0);
  EXPECT_EQ(d.physical_defence, 0);  // 3 / 5
  EXPECT_EQ(d.magic_defence, 0);
  EXPECT_EQ(d.name, "old");
  EXPECT_EQ(d.affinities, Used().affinities);

  ReadMonsterSheet(Sheet({{13, "\"" + Cp932("◎") + "\",\"" + Cp932("△") + "\",\"unclosed"}}), true,
                   d);
  EXPECT_EQ(d.affinities, (Affinities{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(MonsterSheetTest, QvmExtremesClampInsteadOfWrapping) {
  Defender d;
  ReadMonsterSheet(
      Sheet({{1, "0,2147483647,0,2147483647,-2147483648,2147483647,100,0,0,2147483647"},
             {9, "2147483647"}}),
      true, d);
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(d.melee_evasion, kMax);
  EXPECT_EQ(d.ranged_evasion, kMin);
  EXPECT_EQ(d.magic_evasion, kMax);     // 100 x (6 x L + 180) / 100 is beyond 32 bits
  EXPECT_EQ(d.physical_defence, kMax);  // kMax / 5 + L
  EXPECT_EQ(d.magic_defence, 3 * std::int64_t{kMax} / 10);

  ReadMonsterSheet(Sheet({{1, "0,0,0,1000,0,0,0,0,0,0"}, {9, "-2147483648"}}), true, d);
  EXPECT_EQ(d.melee_evasion, kMin);
  EXPECT_EQ(d.physical_defence, kMin);
}

std::string TextSheet(std::string name_line, std::string evasions, std::string defences,
                      std::string affinities) {
  return Sheet({{1, std::move(name_line)},
                {11, std::move(evasions)},
                {12, std::move(defences)},
                {23, std::move(affinities)}});
}

TEST(MonsterSheetTest, TextFormReadsTheLabels) {
  Defender d = Used();
  ReadMonsterSheet(
      TextSheet(Cp932("名称: ゴブリン "), Cp932("格闘回避: 30％ 射撃回避: 25％ 魔法回避: 10％"),
                Cp932("物理防御点: 4\t魔法防御点: 2"), Cp932("○ ○ ○ ◎ △ ○ ○ × ○ ＋ ↑")),
      false, d);
  EXPECT_EQ(d.name, Cp932("ゴブリン "));
  EXPECT_EQ(d.melee_evasion, 30);
  EXPECT_EQ(d.ranged_evasion, 25);
  EXPECT_EQ(d.magic_evasion, 10);
  EXPECT_EQ(d.physical_defence, 4);
  EXPECT_EQ(d.magic_defence, 2);
  EXPECT_EQ(d.affinities, (Affinities{0, 0, 0, 1, 2, 0, 0, 3, 0, 4, 5}));
}

TEST(MonsterSheetTest, TextFormLabelsStandAnywhereInAnyOrder) {
  Defender d = Used();
  ReadMonsterSheet(
      TextSheet(Cp932("種族 名称: 鬼"), Cp932("魔法回避: -5％格闘回避: 30 ％ 射撃回避: x25％"),
                Cp932("魔法防御点: 7 物理防御点: 4 \t"),
                Cp932("◎  △ ") + " " + Cp932("× × × × × × × × ×")),
      false, d);
  EXPECT_EQ(d.name, Cp932("鬼"));
  EXPECT_EQ(d.melee_evasion, 30);  // a blank before the percent sign
  EXPECT_EQ(d.ranged_evasion, 0);  // no leading digits
  EXPECT_EQ(d.magic_evasion, -5);
  EXPECT_EQ(d.physical_defence, 4);
  EXPECT_EQ(d.magic_defence, 7);
  // Two blanks in a row make an empty token; tokens beyond eleven are ignored.
  EXPECT_EQ(d.affinities, (Affinities{1, 0, 2, 0, 3, 3, 3, 3, 3, 3, 3}));
}

TEST(MonsterSheetTest, TextFormMissingPartsGiveZero) {
  Defender d = Used();
  ReadMonsterSheet(TextSheet("no label", Cp932("格闘回避: 30 射撃回避: 25％"),
                             Cp932("物理防御点: 4 魔法防御点: 2"), Cp932("◎ △")),
                   false, d);
  EXPECT_EQ(d.name, "old");        // no name label: the name stays
  EXPECT_EQ(d.melee_evasion, 30);  // the next label's ％ ends it
  EXPECT_EQ(d.ranged_evasion, 25);
  EXPECT_EQ(d.magic_evasion, 0);     // label missing
  EXPECT_EQ(d.physical_defence, 0);  // no tab after the number
  EXPECT_EQ(d.magic_defence, 2);
  EXPECT_EQ(d.affinities, (Affinities{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

  ReadMonsterSheet("", false, d);
  EXPECT_EQ(d.melee_evasion, 0);
  EXPECT_EQ(d.magic_defence, 0);
  EXPECT_EQ(d.affinities, Affinities{});
}

TEST(MonsterSheetTest, TextFormFindsSymbolsOnCharacterBoundariesOnly) {
  // 0x88 0x81 is one character and 0x93 0x5A the next: their middle bytes
  // 0x81 0x93 spell ％ but are not one.
  Defender d;
  ReadMonsterSheet(Sheet({{11, Cp932("格闘回避: 30") + "\x88\x81\x93\x5a"}}), false, d);
  EXPECT_EQ(d.melee_evasion, 0);
}

TEST(MonsterSheetTest, OnlyTheFirst24LinesCount) {
  Defender d = Used();
  std::string sheet = Sheet({}, 24) + Cp932("○ ○ ○ ◎") + "\r\n";  // line 25
  ReadMonsterSheet(sheet, false, d);
  EXPECT_EQ(d.affinities, Affinities{});

  std::string short_sheet = Sheet({{1, "50,50,50,50,50,50,50,50,50,50"}}, 1);
  ReadMonsterSheet(short_sheet, true, d);
  EXPECT_EQ(d.melee_evasion, 90);
}

TEST(MonsterSheetTest, NumbersNeverDependOnTheRecordBefore) {
  const std::string awkward[] = {"",
                                 "\r\n",
                                 std::string("\0\0\"\0\"", 5),
                                 "\x81",
                                 Sheet({{13, "\"\x81"}, {12, "\"\x81\""}}) + "\x81",
                                 std::string(8 << 20, '"')};
  for (const std::string& bytes : awkward) {
    for (const bool qvm : {false, true}) {
      Defender fresh;
      ReadMonsterSheet(bytes, qvm, fresh);
      Defender used = Used();
      ReadMonsterSheet(bytes, qvm, used);
      used.name = fresh.name;
      if (qvm && used.affinities == Used().affinities) used.affinities = fresh.affinities;
      EXPECT_EQ(used, fresh) << bytes.size() << " bytes, qvm " << qvm;
    }
  }
}

TEST(MonsterSheetTest, ImportReadsTheFormItsExtensionSelects) {
  testing::TempFolder folder;
  const std::string qvm_bytes = Sheet({{1, "0,0,0,10"}, {9, "0"}, {11, Cp932("格闘回避: 30％")}});
  const std::string lower = folder.File("m.qvm");
  const std::string upper = folder.File("m.QVM");
  testing::Put(lower, qvm_bytes);
  testing::Put(upper, qvm_bytes);
  Defender d;
  ASSERT_EQ(ImportMonsterSheet(lower, d), std::nullopt);
  EXPECT_EQ(d.melee_evasion, 18);
  ASSERT_EQ(ImportMonsterSheet(upper, d), std::nullopt);
  EXPECT_EQ(d.melee_evasion, 30);

  Defender untouched = Used();
  EXPECT_TRUE(ImportMonsterSheet(folder.File("none.qvm"), untouched).has_value());
  EXPECT_EQ(untouched, Used());
}

}  // namespace
}  // namespace zelmora
