#include "window/matchup_detail_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <ostream>
#include <string>

#include "engine/labels.h"
#include "files/cp932.h"
#include "gui/dialog_buttons.h"
#include "tests/support/comma_locale.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_records.h"

namespace zelmora {
namespace {

using testing::Cp932;

// The five cells of table row r: 0 auto-trigger, 1 to 6 the penalties 0 to 50.
QStringList Row(const MatchupDetailDialog& dialog, int row) {
  QStringList cells;
  for (const QLineEdit* cell : dialog.table()[row]) cells << cell->text();
  return cells;
}

const QStringList kEmptyRow = {"", "", "", "", ""};

// Judgment value 50, 2D6 + 3, melee, against melee evasion 30 and physical
// defence 5.
Attacker ExampleAttacker() {
  Attacker a = testing::WorkedAttacker();
  a.name = Cp932("ゴブリン弓兵");
  a.auto_trigger = 1;
  return a;
}

Defender ExampleDefender() {
  Defender d = testing::WorkedDefender();
  d.name = Cp932("騎士～");
  d.ranged_evasion = 31;
  d.magic_evasion = 32;
  d.magic_defence = 6;
  return d;
}

MatchupDetailDialog Open(const Attacker& a, const Defender& d) {
  return MatchupDetailDialog(a, d,
                             {.attack_chance = 49, .technique = "A", .expected_damage = 3.486});
}

TEST(MatchupDetailDialog, ShowsTheExamplePairing) {
  const MatchupDetailDialog dialog = Open(ExampleAttacker(), ExampleDefender());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("命中率、ダメージ詳細"));

  const MatchupDetailDialog::Fields& f = dialog.fields();
  const std::pair<QLineEdit*, QString> upper[] = {
      {f.attacker_name, QStringLiteral("ゴブリン弓兵")},
      {f.defender_name, QStringLiteral("騎士～")},
      {f.judgment_value, "50"},
      {f.evasion_kind, QStringLiteral("格闘")},
      {f.evasion_value, "30"},
      {f.damage, "  2 D6 + 3"},
      {f.defence_kind, QStringLiteral("物理")},
      {f.defence_value, "5"},
      {f.defence_option, QStringLiteral("通常")},
      {f.attack_attribute, QStringLiteral("剣")},
      {f.affinity_symbol, QStringLiteral("○")},
      {f.attack_chance, "49"},
      {f.technique, "A"},
      {f.expected_damage, "3.486"},
  };
  for (const auto& [field, text] : upper) EXPECT_EQ(field->text(), text);
  EXPECT_EQ(f.expected_damage->toolTip(), "3.486");

  EXPECT_EQ(Row(dialog, 0), (QStringList{"49.00", " 0.00", " 0.00", " 7.00", " 0.00"}));
  EXPECT_EQ(Row(dialog, 1), (QStringList{"39.15", "5.00", "2.45", "4.90", "0.35"}));
  EXPECT_EQ(Row(dialog, 2), (QStringList{"42.32", "6.00", "2.56", "4.80", "0.32"}));
  EXPECT_EQ(Row(dialog, 3)[0], "41.85");
  for (int row : {3, 4, 5}) EXPECT_NE(Row(dialog, row), kEmptyRow) << row;
  EXPECT_EQ(Row(dialog, 6), kEmptyRow);  // 50 - 50 is not above 0
}

TEST(MatchupDetailDialog, FillsOnlyTheRowsWhoseAttackValueIsAboveZero) {
  Attacker a = ExampleAttacker();
  a.judgment_value = 25;
  a.auto_trigger = 0;
  {
    const MatchupDetailDialog dialog = Open(a, ExampleDefender());
    EXPECT_EQ(Row(dialog, 0), kEmptyRow);
    for (int row : {1, 2, 3}) EXPECT_NE(Row(dialog, row), kEmptyRow) << row;
    for (int row : {4, 5, 6}) EXPECT_EQ(Row(dialog, row), kEmptyRow) << row;
  }
  for (int value : {0, -7, INT32_MIN}) {
    a.judgment_value = value;
    a.auto_trigger = 1;
    const MatchupDetailDialog dialog = Open(a, ExampleDefender());
    EXPECT_EQ(Row(dialog, 0)[0], "49.00") << value;
    for (int row = 1; row <= 6; ++row) EXPECT_EQ(Row(dialog, row), kEmptyRow) << value;
  }
  a.judgment_value = INT32_MAX;
  a.auto_trigger = 2;  // only a flag of exactly 1 auto-triggers
  Defender d = ExampleDefender();
  d.melee_evasion = INT32_MAX;
  const MatchupDetailDialog high(a, d, MatchupResult{});
  EXPECT_EQ(Row(high, 0), kEmptyRow);
  EXPECT_EQ(Row(high, 6)[0], "9.09");  // both values clamped at 99
  d.melee_evasion = INT32_MIN;
  const MatchupDetailDialog low(a, d, MatchupResult{});
  EXPECT_EQ(Row(low, 6)[0], "98.01");  // the evasion clamped at 0
}

TEST(MatchupDetailDialog, EvasionValueFollowsTheAttackersEvasionKind) {
  const std::pair<int, const char*> kinds[] = {{1, "31"}, {2, "32"}, {3, "0"}};
  for (const auto& [kind, value] : kinds) {
    Attacker a = ExampleAttacker();
    a.evasion_kind = kind;
    const MatchupDetailDialog dialog = Open(a, ExampleDefender());
    EXPECT_EQ(dialog.fields().evasion_kind->text(),
              QString::fromStdString(Utf8FromCp932(kEvasionKindLabels[kind])));
    EXPECT_EQ(dialog.fields().evasion_value->text(), value);
  }
  // "なし" rolls against 0: S(0) = 1, C(0) = 1.
  Attacker a = ExampleAttacker();
  a.evasion_kind = kEvadeNone;
  const MatchupDetailDialog dialog = Open(a, ExampleDefender());
  EXPECT_EQ(Row(dialog, 0), (QStringList{"99.00", " 0.00", " 0.00", " 9.00", " 0.00"}));
  EXPECT_EQ(Row(dialog, 1)[0], "74.25");
}

TEST(MatchupDetailDialog, DefenceLabelsAndValueFollowTheFlags) {
  struct Case {
    int flags;
    const char16_t* kind;
    const char* value;
    const char16_t* option;
  };
  const Case cases[] = {
      {0, u"物理", "5", u"通常"},  {1, u"魔法", "6", u"通常"},  {2, u"なし", "0", u"通常"},
      {3, u"なし", "0", u"通常"},  {5, u"魔法", "6", u"半分"},  {8, u"物理", "5", u"無効"},
      {12, u"物理", "5", u"半分"}, {10, u"なし", "0", u"無効"},
  };
  for (const Case& c : cases) {
    Attacker a = ExampleAttacker();
    a.defence_flags = c.flags;
    const MatchupDetailDialog dialog = Open(a, ExampleDefender());
    EXPECT_EQ(dialog.fields().defence_kind->text(), QString::fromUtf16(c.kind)) << c.flags;
    EXPECT_EQ(dialog.fields().defence_value->text(), c.value) << c.flags;
    EXPECT_EQ(dialog.fields().defence_option->text(), QString::fromUtf16(c.option)) << c.flags;
  }
}

TEST(MatchupDetailDialog, AffinitySymbolIsTheOneTheDamageUses) {
  Defender forbidden_only;  // ◎ only on 禁, × everywhere else
  forbidden_only.affinities.fill(kAffNone);
  forbidden_only.affinities[kAttrForbidden] = kAffDouble;
  Defender sword_normal = forbidden_only;
  sword_normal.affinities[kAttrSword] = kAffNormal;
  Defender elements;  // 五行霊符 looks only at 物 火 氷 電 風
  elements.affinities.fill(kAffDouble);
  for (int t : {kAttrThing, kAttrFire, kAttrIce, kAttrThunder, kAttrWind}) {
    elements.affinities[static_cast<std::size_t>(t)] = kAffHalf;
  }
  elements.affinities[kAttrWind] = kAffPlus;
  Defender mixed;
  mixed.affinities = {kAffUp, kAffNone, kAffHalf, kAffPlus, 0, 1, 2, 3, 4, 5, 0};
  Defender plus_and_up;
  plus_and_up.affinities.fill(kAffUp);
  plus_and_up.affinities[kAttrIce] = kAffPlus;

  struct Case {
    const char* what;
    int attribute;
    const Defender& defender;
    const char16_t* symbol;
  };
  const Case cases[] = {
      {"direct ↑", kAttrSword, mixed, u"↑"},
      {"direct ＋", kAttrFire, mixed, u"＋"},
      {"direct △", kAttrArt, mixed, u"△"},
      {"－ always ○", kAttrNeutral, forbidden_only, u"○"},
      {"特殊 always ×", kAttrSpecial, sword_normal, u"×"},
      {"13 ignores 禁", kAttrPlanets, forbidden_only, u"×"},
      {"13 takes ○ of 剣", kAttrPlanets, sword_normal, u"○"},
      {"13 best of mixed", kAttrPlanets, mixed, u"◎"},
      {"14 ignores 剣 技 心 禁 聖 呪", kAttrFiveElements, elements, u"△"},
      {"14 best of mixed", kAttrFiveElements, mixed, u"◎"},
      {"14 with ＋ and ↑ only", kAttrFiveElements, plus_and_up, u"＋"},
  };
  for (const Case& c : cases) {
    Attacker a = ExampleAttacker();
    a.attack_attribute = c.attribute;
    const MatchupDetailDialog dialog = Open(a, c.defender);
    EXPECT_EQ(dialog.fields().affinity_symbol->text(), QString::fromUtf16(c.symbol)) << c.what;
    EXPECT_EQ(dialog.fields().attack_attribute->text(),
              QString::fromStdString(Utf8FromCp932(kAttackAttributeLabels[c.attribute])))
        << c.what;
  }
}

TEST(MatchupDetailDialog, CodesOutsideTheirTablesShowAQuestionMark) {
  Defender d = ExampleDefender();
  d.affinities[kAttrSword] = 6;
  d.affinities[kAttrThing] = -1;
  for (int attribute : {15, -1, INT32_MAX, INT32_MIN}) {
    Attacker a = ExampleAttacker();
    a.attack_attribute = attribute;
    a.evasion_kind = attribute;
    const MatchupDetailDialog dialog = Open(a, d);
    EXPECT_EQ(dialog.fields().attack_attribute->text(), "?") << attribute;
    EXPECT_EQ(dialog.fields().affinity_symbol->text(), "?") << attribute;
    EXPECT_EQ(dialog.fields().evasion_kind->text(), "?") << attribute;
    EXPECT_EQ(dialog.fields().evasion_value->text(), "0") << attribute;
  }
  Attacker a = ExampleAttacker();
  const MatchupDetailDialog sword(a, d, MatchupResult{});
  EXPECT_EQ(sword.fields().affinity_symbol->text(), "?");
  Defender unknown_everywhere;
  unknown_everywhere.affinities.fill(77);
  a.attack_attribute = kAttrPlanets;
  const MatchupDetailDialog planets(a, unknown_everywhere, MatchupResult{});
  EXPECT_EQ(planets.fields().affinity_symbol->text(), "?");
}

TEST(MatchupDetailDialog, IsReadOnlyAndClosesThroughOk) {
  MatchupDetailDialog dialog = Open(ExampleAttacker(), ExampleDefender());
  const auto fields = dialog.findChildren<QLineEdit*>();
  EXPECT_EQ(fields.size(), 49);
  for (const QLineEdit* field : fields) {
    EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
  }

  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.focusWidget(), dialog.buttons().ok());
  QTest::keyClick(dialog.fields().defender_name, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(MatchupDetailDialog, NumbersIgnoreACommaDecimalLocale) {
  const testing::CommaLocale comma;
  if (!comma.InForce()) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

  const MatchupDetailDialog dialog = Open(ExampleAttacker(), ExampleDefender());
  EXPECT_EQ(Row(dialog, 0)[0], "49.00");
  EXPECT_EQ(Row(dialog, 2), (QStringList{"42.32", "6.00", "2.56", "4.80", "0.32"}));

  QLocale::setDefault(QLocale::c());
}

// A name cut at the field's edge is whole in its tooltip; one that fits has
// none.
TEST(MatchupDetailDialog, ACutNameIsWholeInItsTooltip) {
  Attacker a = ExampleAttacker();
  // Cut in whatever font and field width the platform gives it.
  const QString whole = QStringLiteral("竜王ヴァルガード・ザ・エンシェントドラゴン").repeated(4);
  a.name = Cp932(whole.toStdString());
  const MatchupDetailDialog dialog = Open(a, ExampleDefender());
  EXPECT_EQ(dialog.fields().attacker_name->toolTip(), whole);
  EXPECT_EQ(dialog.fields().defender_name->toolTip(), "");
}

}  // namespace
}  // namespace zelmora
