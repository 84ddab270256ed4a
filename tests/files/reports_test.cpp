#include "files/reports.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "engine/labels.h"
#include "files/cp932.h"
#include "files/lines.h"
#include "tests/files/files_test_support.h"
#include "tests/support/comma_locale.h"

namespace zelmora {
namespace {

using testing::Cp932;

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The report's lines, with a check that each ended with CR LF.
std::vector<std::string> LinesOf(const std::string& report) {
  EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
  EXPECT_EQ(testing::CountLines(report), SplitLines(report).size()) << "a line end without CR";
  std::vector<std::string> lines;
  for (const std::string_view line : SplitLines(report)) lines.emplace_back(line);
  return lines;
}

std::vector<std::size_t> EmptyLineNumbers(const std::vector<std::string>& lines) {
  std::vector<std::size_t> numbers;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) numbers.push_back(i + 1);
  }
  return numbers;
}

// The defender and attacker of the worked examples.
Defender Goblin() {
  return {.melee_evasion = 30,
          .ranged_evasion = 25,
          .magic_evasion = 10,
          .physical_defence = 4,
          .magic_defence = 2,
          .affinities = {kAffNormal, kAffNormal, kAffNormal, kAffDouble, kAffHalf, kAffNormal,
                         kAffNormal, kAffNone, kAffNormal, kAffPlus, kAffUp},
          .name = Cp932("ゴブリン")};
}

Attacker Oni() {
  return {.judgment_value = 65,
          .dice_count = 2,
          .damage_bonus = 3,
          .defence_flags = 0,
          .attack_attribute = kAttrFire,
          .evasion_kind = kEvadeRanged,
          .attack_count = 1,
          .auto_trigger = 1,
          .name = Cp932("鬼")};
}

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override { fresh_.Recalculate(); }
  Encounter fresh_;
};

TEST_F(ReportTest, DefaultTextReportHas45LinesAndTheDocumentedHeadings) {
  const auto lines = LinesOf(TextReport(fresh_));
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(EmptyLineNumbers(lines), (std::vector<std::size_t>{8, 16, 28, 29, 37, 38}));
  EXPECT_EQ(lines[0], Cp932("防御側設定") + Blanks(19) + Cp932("回避") + Blanks(11) +
                          Cp932("防御") + Blanks(15) + Cp932("相性"));
  EXPECT_EQ(lines[1], Cp932("名称") + Blanks(20) + Cp932("格闘 射撃 魔法") + Blanks(3) +
                          Cp932("物理 魔法") + Blanks(3) + Cp932("剣物技火氷電風心禁聖呪"));
  EXPECT_EQ(lines[8], Cp932("攻撃側設定"));
  EXPECT_EQ(lines[9], Cp932("名称") + Blanks(20) + Cp932("Ａ 判定") + Blanks(4) + Cp932("威力") +
                          Blanks(4) + Cp932("回避 防御 特性 回数 相性"));
  EXPECT_EQ(lines[16], Cp932("ボーナス／ペナルティ"));
  EXPECT_EQ(lines[17], Cp932("攻撃側"));
  EXPECT_EQ(lines[22], Cp932("防御側"));
  EXPECT_EQ(lines[29], Cp932("命中率"));
  EXPECT_EQ(lines[38], Cp932("期待ダメージ"));

  const std::string default_defender =
      Blanks(23) + "   0%   0%   0%     0    0    " + Cp932("○○○○○○○○○○○");
  const std::string default_attacker =
      Blanks(23) + " " + Cp932("不") + "   0%    0d6+ 0  " + Cp932("格闘 物理 通常   1   －");
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(lines[2 + k], default_defender);
    EXPECT_EQ(lines[10 + k], default_attacker);
  }
  EXPECT_EQ(lines[18], Cp932("物理命中率") + Blanks(4) + "   0%");
  EXPECT_EQ(lines[30], Blanks(11 + 5 * 12));
}

TEST_F(ReportTest, WorkedSettingsRows) {
  Encounter e;
  e.defender(1) = Goblin();
  e.attacker(1) = Oni();
  e.Recalculate();
  const auto lines = LinesOf(TextReport(e));
  EXPECT_EQ(lines[2], Cp932("ゴブリン") + Blanks(15) + " " + " 30%" + " " + " 25%" + " " + " 10%" +
                          Blanks(3) + "  4" + Blanks(2) + "  2" + Blanks(4) +
                          Cp932("○○○◎△○○×○＋↑"));
  EXPECT_EQ(lines[10], Cp932("鬼") + Blanks(21) + " " + Cp932("可") + " " + " 65%" + " " +
                           "   2d6+ 3" + "  " + Cp932("射撃") + " " + Cp932("物理") + " " +
                           Cp932("通常") + "   1   " + Cp932("火"));

  const auto page = LinesOf(HtmlReport(e));
  EXPECT_EQ(page[7], Cp932("<TR><TD>ゴブリン</TD><TD>30%</TD><TD>25%</TD><TD>10%</TD><TD>4</TD>"
                           "<TD>2</TD><TD>○○○◎△○○×○＋↑</TD></TR>"));
  EXPECT_EQ(page[19], Cp932("<TR><TD>鬼</TD><TD>可</TD><TD>65%</TD><TD>2d6+ 3</TD><TD>射撃</TD>"
                            "<TD>物理</TD><TD>通常</TD><TD>1</TD><TD>火</TD></TR>"));
}

TEST(ReportCellTest, WorkedMatrixCells) {
  EXPECT_EQ(TextHitCell({45.5, "-10", 0}), " 45.50%(-10)");
  EXPECT_EQ(TextHitCell({3.14159, "-0", 0}), "  3.14%( -0)");
  EXPECT_EQ(TextHitCell({100, "A", 0}), " 100.00%(  A)");
  EXPECT_EQ(HtmlHitCell({45.5, "-10", 0}), "<TD>45.50%(-10)</TD>");
  EXPECT_EQ(HtmlHitCell({100, "A", 0}), "<TD>100.00%(  A)</TD>");
  EXPECT_EQ(TextDamageCell({0, "-0", 12.3456}), "    12.346  ");
  EXPECT_EQ(TextDamageCell({0, "-0", 1234567.0}), " 1234567.000  ");
  EXPECT_EQ(HtmlDamageCell({0, "-0", 0.0005}), "<TD>0.001</TD>");
}

TEST_F(ReportTest, MatricesShowTheStoredResultsInTwelveByteColumns) {
  Encounter e;
  for (int slot = 1; slot <= 5; ++slot) {
    e.attacker(slot).name = "a" + std::to_string(slot);
    e.attacker(slot).judgment_value = 40 + slot;
    e.attacker(slot).dice_count = slot;
    e.defender(slot).name = "d" + std::to_string(slot);
    e.defender(slot).melee_evasion = 16 + slot;
  }
  e.Recalculate();
  const Encounter calculated = e;
  e.attacker(2).judgment_value = 99;  // not recalculated: the report keeps the stored results
  const auto lines = LinesOf(TextReport(e));
  EXPECT_EQ(lines[11].substr(27, 4), " 99%");
  EXPECT_EQ(lines[30], Blanks(11) + "        d1          d2          d3          d4          d5  ");
  EXPECT_EQ(lines[39], lines[30]);
  for (int i = 1; i <= 5; ++i) {
    const std::string& hit = lines[30 + static_cast<std::size_t>(i)];
    const std::string& damage = lines[39 + static_cast<std::size_t>(i)];
    ASSERT_EQ(hit.size(), 11u + 5 * 12) << hit;
    ASSERT_EQ(damage.size(), 11u + 5 * 12) << damage;
    EXPECT_EQ(hit.substr(0, 11), "        a" + std::to_string(i) + " ");
    for (int j = 1; j <= 5; ++j) {
      const std::size_t column = 11 + 12 * static_cast<std::size_t>(j - 1);
      EXPECT_EQ(hit.substr(column, 12), TextHitCell(calculated.result(i, j)));
      EXPECT_EQ(damage.substr(column, 12), TextDamageCell(calculated.result(i, j)));
    }
  }
  // attacker 5 (45) against defender 5 (21)
  EXPECT_EQ(lines[35].substr(11 + 48, 12), " 45.52%(-10)");
}

// A two-byte character that does not fit whole becomes a blank.
TEST_F(ReportTest, LongNamesAreCutToTenBytesOfWholeCharactersInTheMatricesOnly) {
  Encounter e = fresh_;
  const std::string cut_name = "a" + Cp932("ゴブリンの王");  // byte 10 is the lead byte of の
  const std::string long_name = Cp932("とても長い名前の攻撃者です");  // 26 bytes
  e.defender(2).name = cut_name;
  e.attacker(3).name = long_name;
  const auto lines = LinesOf(TextReport(e));
  EXPECT_EQ(lines[3].substr(0, 24), cut_name + Blanks(24 - cut_name.size()));
  EXPECT_EQ(lines[30].substr(11 + 12, 12), "a" + Cp932("ゴブリン") + "   ");
  // Longer than 23 bytes: the rest of the line moves right; nothing is cut.
  EXPECT_EQ(lines[12], long_name + " " + lines[10].substr(24));
  EXPECT_EQ(lines[33].substr(0, 11), long_name.substr(0, 10) + " ");
  EXPECT_EQ(lines[42].substr(0, 11), long_name.substr(0, 10) + " ");

  const auto page = LinesOf(HtmlReport(e));
  const std::string header_start = "<TR><TD></TD><TD></TD><TD>a" + Cp932("ゴブリン") + " </TD>";
  EXPECT_EQ(page[46].substr(0, header_start.size()), header_start);
  EXPECT_EQ(page[49].substr(0, 4 + 4 + long_name.size() + 5), "<TR><TD>" + long_name + "</TD>");
  EXPECT_EQ(page[61].substr(0, 4 + 4 + long_name.size() + 5), "<TR><TD>" + long_name + "</TD>");
  EXPECT_EQ(page[8].substr(0, 8 + cut_name.size()), "<TR><TD>" + cut_name);
}

TEST_F(ReportTest, DefenceAndOptionLabelsFollowTheFlagBitsInOrder) {
  struct Case {
    std::int32_t flags;
    const char* defence;
    const char* option;
  };
  for (const Case& c : {Case{0, "物理", "通常"}, Case{1, "魔法", "通常"}, Case{2, " － ", "通常"},
                        Case{4, "物理", "半減"}, Case{5, "魔法", "半減"}, Case{6, " － ", "半減"},
                        Case{8, "物理", "無効"}, Case{9, "魔法", "無効"}, Case{10, " － ", " － "},
                        Case{12, "物理", "無効"}, Case{14, " － ", " － "}}) {
    Encounter e = fresh_;
    e.attacker(1).defence_flags = c.flags;
    const std::string labels = Cp932(c.defence) + " " + Cp932(c.option);
    EXPECT_EQ(LinesOf(TextReport(e))[10].substr(48), labels + "   1   " + Cp932("－")) << c.flags;
    EXPECT_NE(
        HtmlReport(e).find("<TD>" + Cp932(c.defence) + "</TD><TD>" + Cp932(c.option) + "</TD>"),
        std::string::npos)
        << c.flags;
  }
}

TEST_F(ReportTest, CodesOutsideTheirTablesPrintAQuestionMark) {
  Encounter e = fresh_;
  e.attacker(1).evasion_kind = 4;
  e.attacker(1).attack_attribute = -1;
  e.attacker(1).auto_trigger = -3;  // any non-zero flag shows 可
  e.defender(1).affinities[0] = 6;
  e.defender(1).affinities[10] = -1;
  const auto lines = LinesOf(TextReport(e));
  EXPECT_EQ(lines[2].substr(53), "?" + Cp932("○○○○○○○○○") + "?");
  EXPECT_EQ(lines[10], Blanks(23) + " " + Cp932("可") + "   0%    0d6+ 0  ? " + Cp932("物理 通常") +
                           "   1   ?");
  const std::string page = HtmlReport(e);
  EXPECT_NE(page.find("<TD>?" + Cp932("○○○○○○○○○") + "?</TD>"), std::string::npos);
  EXPECT_NE(page.find("<TD>0d6+ 0</TD><TD>?</TD>"), std::string::npos);
  EXPECT_NE(page.find("<TD>1</TD><TD>?</TD></TR>"), std::string::npos);
}

TEST_F(ReportTest, BonusValuesStandInFourPositionsAfterFourteenBytes) {
  Encounter e = fresh_;
  e.modifiers() = ModifiersFromShown({1, -2, 300, 4, 5, 6, -7, 12345});
  const auto lines = LinesOf(TextReport(e));
  const std::vector<std::string> expected = {Cp932("物理命中率") + "    " + "   1%",
                                             Cp932("魔法命中率") + "    " + "  -2%",
                                             Cp932("物理ダメージ") + "  " + " 300%",
                                             Cp932("魔法ダメージ") + "  " + "   4%",
                                             Cp932("防御側"),
                                             Cp932("物理回避") + "      " + "   5%",
                                             Cp932("魔法回避") + "      " + "   6%",
                                             Cp932("物理防御点") + "    " + "  -7%",
                                             Cp932("魔法防御点") + "    " + "12345%"};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 18, lines.begin() + 27), expected);

  const auto page = LinesOf(HtmlReport(e));
  EXPECT_EQ(page[31], Cp932("<TR><TD>物理命中率</TD><TD>1%</TD></TR>"));
  EXPECT_EQ(page[35], Cp932("<TR><TD>防御側</TD></TR>"));
  EXPECT_EQ(page[39], Cp932("<TR><TD>魔法防御点</TD><TD>12345%</TD></TR>"));
}

TEST_F(ReportTest, DefaultHtmlReportHas70LinesAndDeclaresItsEncoding) {
  const auto page = LinesOf(HtmlReport(fresh_));
  ASSERT_EQ(page.size(), 70u);
  EXPECT_EQ(EmptyLineNumbers(page),
            (std::vector<std::size_t>{14, 16, 26, 28, 42, 44, 54, 56, 66, 68}));
  EXPECT_EQ(page[0], "<HTML>");
  EXPECT_EQ(page[1], Cp932("<HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                           "charset=Shift_JIS\"><TITLE>ZELMORA確率計算プログラム</TITLE></HEAD>"));
  EXPECT_EQ(page[5],
            Cp932("<TR><TD></TD><TD COLSPAN=3>回避</TD><TD COLSPAN=2>防御</TD><TD>相性</TD></TR>"));
  EXPECT_EQ(page[19],
            Cp932("<TR><TD></TD><TD>不</TD><TD>0%</TD><TD>0d6+ 0</TD><TD>格闘</TD><TD>物理</TD>"
                  "<TD>通常</TD><TD>1</TD><TD>－</TD></TR>"));
  for (const std::size_t section_end : {12, 24, 40, 52, 64}) {
    EXPECT_EQ(page[section_end], "</TABLE>");
    EXPECT_EQ(page[section_end + 2], "<BR>");
  }
  EXPECT_EQ(page[44], Cp932("<H3>命中率</H3>"));
  EXPECT_EQ(page[46], "<TR><TD></TD><TD></TD><TD></TD><TD></TD><TD></TD><TD></TD></TR>");
  EXPECT_EQ(page[47], "<TR><TD></TD>" + HtmlHitCell(fresh_.result(1, 1)) +
                          HtmlHitCell(fresh_.result(1, 2)) + HtmlHitCell(fresh_.result(1, 3)) +
                          HtmlHitCell(fresh_.result(1, 4)) + HtmlHitCell(fresh_.result(1, 5)) +
                          "</TR>");
  EXPECT_EQ(page[68], "</BODY>");
  EXPECT_EQ(page[69], "</HTML>");
}

TEST_F(ReportTest, NamesCannotInjectMarkupOrBreakLines) {
  Encounter e = fresh_;
  e.attacker(1).name = "<b>&\"x\"";
  e.defender(1).name = "&&&&&&&&&&&&";  // cut to ten, then escaped
  e.defender(2).name = "two\r\nlines\n";
  e.attacker(2).name = "\r";
  const std::string page = HtmlReport(e);
  const auto lines = LinesOf(page);
  ASSERT_EQ(lines.size(), 70u);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_EQ(lines[19].substr(0, 44), "<TR><TD>&lt;b&gt;&amp;&quot;x&quot;</TD><TD>");
  std::string ten_ampersands;
  for (int i = 0; i < 10; ++i) ten_ampersands += "&amp;";
  EXPECT_EQ(lines[46], "<TR><TD></TD><TD>" + ten_ampersands +
                           "</TD><TD>two  lines</TD><TD></TD><TD></TD><TD></TD></TR>");

  const auto text = LinesOf(TextReport(e));
  ASSERT_EQ(text.size(), 45u);
  EXPECT_EQ(text[3].substr(0, 12), "two  lines  ");
  EXPECT_EQ(text[10].substr(0, 8), "<b>&\"x\" ");  // the text report prints names as they are
}

TEST_F(ReportTest, NumbersIgnoreACommaDecimalLocale) {
  Encounter e;
  e.defender(1) = Goblin();
  e.attacker(1) = Oni();
  e.attacker(2).judgment_value = 45;
  e.defender(2).melee_evasion = 21;
  e.Recalculate();
  const std::string text = TextReport(e);
  const std::string page = HtmlReport(e);
  ASSERT_NE(text.find("45.52"), std::string::npos);

  std::string localized_text;
  std::string localized_page;
  {
    const testing::CommaLocale comma;
    if (!comma.InForce()) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
    localized_text = TextReport(e);
    localized_page = HtmlReport(e);
  }
  EXPECT_EQ(localized_text, text);
  EXPECT_EQ(localized_page, page);
}

TEST_F(ReportTest, Utf8PageDeclaresUtf8) {
  Encounter e = fresh_;
  e.defender(1) = Goblin();
  const std::string page = HtmlReportUtf8(e);
  std::string expected = Utf8FromCp932(HtmlReport(e));
  const std::string shift_jis = "charset=Shift_JIS";
  expected.replace(expected.find(shift_jis), shift_jis.size(), "charset=UTF-8");
  EXPECT_EQ(page, expected);
  EXPECT_NE(page.find("<TD>ゴブリン</TD>"), std::string::npos);
}

}  // namespace
}  // namespace zelmora
