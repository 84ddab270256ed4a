#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <ostream>
#include <string>

#include "editors/modifiers_dialog.h"
#include "engine/labels.h"
#include "files/cp932.h"
#include "tests/support/comma_locale.h"
#include "tests/support/grid_texts.h"
#include "tests/support/sample_records.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"
#include "window/matchup_detail_dialog.h"

namespace zelmora {
namespace {

const ModifiersDialog::Fields& ModifierFields(QDialog& dialog) {
  return dynamic_cast<ModifiersDialog&>(dialog).fields();
}

using namespace testing;  // the GUI test helpers

// Five different physical attackers and five defenders, so that a change of
// the global bonuses moves every output of the grid.
void FillEncounter(CalcWindow& window) {
  Encounter e = window.encounter();
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    Attacker& a = e.attacker(slot);
    a.name = Cp932("攻撃" + std::to_string(slot));
    a.judgment_value = 30 + 8 * slot;
    a.dice_count = slot;
    a.damage_bonus = 2;
    a.attack_attribute = kAttrSword;
    a.evasion_kind = slot % 2 ? kEvadeMelee : kEvadeRanged;
    Defender& d = e.defender(slot);
    d.name = Cp932("防御" + std::to_string(slot));
    d.melee_evasion = 10 + 7 * slot;
    d.ranged_evasion = 5 + 9 * slot;
    d.physical_defence = slot;
  }
  window.document().SetTable(e);
}

// 50 against melee evasion 30: technique -10 at 42.32, or "A" at 49 when
// the attacker may auto-trigger.
Attacker ExampleAttacker(int auto_trigger) {
  Attacker a = testing::WorkedAttacker();
  a.name = Cp932("弓兵");
  a.auto_trigger = auto_trigger;
  return a;
}

Defender ExampleDefender() {
  Defender d = testing::WorkedDefender();
  d.name = Cp932("騎士");
  return d;
}

// The stored results of the cell at row 3, column 5, as the detail dialog got them.
struct DetailSeen {
  QString attacker, defender, judgment, chance, technique, damage;
};

DetailSeen OpenDetailOfRow3Column5(CalcWindow& window, ScriptedPrompts& prompts) {
  DetailSeen seen;
  prompts.QueueDialog([&seen](QDialog& dialog) {
    EXPECT_NE(dynamic_cast<MatchupDetailDialog*>(&dialog), nullptr);
    const auto& f = dynamic_cast<MatchupDetailDialog&>(dialog).fields();
    seen = {f.attacker_name->text(), f.defender_name->text(), f.judgment_value->text(),
            f.attack_chance->text(), f.technique->text(),     f.expected_damage->text()};
    return QDialog::Accepted;
  });
  window.grid().pairing(3, 5).detail_button().click();
  EXPECT_TRUE(prompts.Exhausted());
  return seen;
}

TEST(GridDialogs, DetailButtonHandsOverItsPairingAndTheStoredResults) {
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  testing::ChangeTable(window, [](Encounter& e) {
    e.attacker(3) = ExampleAttacker(1);
    e.defender(5) = ExampleDefender();
  });
  ASSERT_EQ(window.grid().pairing(3, 5).technique().text(), "A");
  const Encounter before = window.encounter();
  const QStringList outputs = GridOutputTexts(window);

  // The dialog shows the record and the results as the table holds them,
  // and changes nothing.
  const DetailSeen seen = OpenDetailOfRow3Column5(window, prompts);
  EXPECT_EQ(seen.attacker, QStringLiteral("弓兵"));
  EXPECT_EQ(seen.defender, QStringLiteral("騎士"));
  EXPECT_EQ(seen.judgment, QString::number(before.attacker(3).judgment_value));
  EXPECT_EQ(window.grid().pairing(3, 5).chance().text(), "49");
  EXPECT_EQ(seen.chance, "49");
  EXPECT_EQ(seen.technique, "A");
  EXPECT_EQ(window.grid().pairing(3, 5).damage().text(), "3.486");
  EXPECT_EQ(seen.damage, "3.486");

  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().result(3, 5), before.result(3, 5));
  EXPECT_EQ(GridOutputTexts(window), outputs);
}

TEST(GridDialogs, DetailTextsIgnoreACommaDecimalLocale) {
  const testing::CommaLocale comma;
  if (!comma.InForce()) GTEST_SKIP() << "the C library knows no locale with a decimal comma";
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  {
    ScriptedPrompts prompts;
    CalcWindow window(prompts);
    testing::ChangeTable(window, [](Encounter& e) {
      e.attacker(3) = ExampleAttacker(0);
      e.defender(5) = ExampleDefender();
    });
    const DetailSeen seen = OpenDetailOfRow3Column5(window, prompts);
    EXPECT_EQ(seen.chance, "42.32");
    EXPECT_EQ(seen.technique, "-10");
    EXPECT_EQ(seen.damage, "3.25632");
  }
  QLocale::setDefault(QLocale::c());
}

GlobalModifiers ModifiersWithHiddenEntries() {
  GlobalModifiers m;
  m.hit_bonus = {1, 2, 9};
  m.damage_bonus = {3, 4, 9};
  m.defence_bonus = {5, 6, 9};
  m.evasion_bonus = {7, 42, 8, 9};
  return m;
}

TEST(GridDialogs, ModifiersOkWithoutTypingZeroesTheHiddenEntries) {
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  testing::ChangeTable(window, [](Encounter& e) { e.modifiers() = ModifiersWithHiddenEntries(); });
  prompts.QueueDialog([](QDialog& dialog) {
    EXPECT_NE(dynamic_cast<ModifiersDialog*>(&dialog), nullptr);
    EXPECT_EQ(ModifierFields(dialog).physical_evasion->text(), "7");
    EXPECT_EQ(ModifierFields(dialog).magic_evasion->text(), "8");
    EXPECT_EQ(ModifierFields(dialog).physical_defence->text(), "5");
    return QDialog::Accepted;
  });
  window.grid().modifiers_button().click();
  const GlobalModifiers& m = window.encounter().modifiers();
  EXPECT_EQ(m.hit_bonus, (std::array<std::int32_t, 3>{1, 2, 0}));
  EXPECT_EQ(m.damage_bonus, (std::array<std::int32_t, 3>{3, 4, 0}));
  EXPECT_EQ(m.defence_bonus, (std::array<std::int32_t, 3>{5, 6, 0}));
  EXPECT_EQ(m.evasion_bonus, (std::array<std::int32_t, 4>{7, 7, 8, 0}));
}

TEST(GridDialogs, ModifiersOkStoresTypedTextsAndRecalculatesEveryOutput) {
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  FillEncounter(window);
  // A text the user typed in the grid keeps its typed form: OK refreshes no input.
  Retype(&window.grid().attacker(4).judgment(), "62abc");
  const QStringList inputs = GridInputTexts(window);
  const QStringList outputs = GridOutputTexts(window);

  prompts.QueueDialog([](QDialog& dialog) {
    Retype(ModifierFields(dialog).physical_hit, "20");
    Retype(ModifierFields(dialog).physical_damage, "5abc");
    Retype(ModifierFields(dialog).physical_evasion, "-10");
    Retype(ModifierFields(dialog).magic_defence, "");
    return QDialog::Accepted;
  });
  window.grid().modifiers_button().click();

  const GlobalModifiers& m = window.encounter().modifiers();
  EXPECT_EQ(m.hit_bonus[0], 20);
  EXPECT_EQ(m.damage_bonus[0], 5);
  EXPECT_EQ(m.evasion_bonus[0], -10);
  EXPECT_EQ(m.evasion_bonus[1], -10);
  EXPECT_EQ(m.defence_bonus[1], 0);
  EXPECT_EQ(GridInputTexts(window), inputs);

  // The same records with the new bonuses, calculated from scratch.
  ScriptedPrompts unused;
  CalcWindow reference(unused);
  reference.document().SetTable(window.encounter());
  const QStringList recalculated = GridOutputTexts(window);
  EXPECT_EQ(recalculated, GridOutputTexts(reference));
  for (qsizetype i = 0; i < outputs.size(); ++i) {
    if (!QStringList{"-0", "-10", "-20", "-30", "-40", "-50", "A"}.contains(outputs[i])) {
      EXPECT_NE(recalculated[i], outputs[i]) << "result " << i << " kept its old value";
    }
  }
}

TEST(GridDialogs, ModifiersCancelAfterChangingEveryFieldChangesNothing) {
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  FillEncounter(window);
  testing::ChangeTable(window, [](Encounter& e) { e.modifiers() = ModifiersWithHiddenEntries(); });
  const Encounter before = window.encounter();
  const QStringList inputs = GridInputTexts(window);
  const QStringList outputs = GridOutputTexts(window);

  prompts.QueueDialog([](QDialog& dialog) {
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) Retype(field, "33");
    return QDialog::Rejected;
  });
  window.grid().modifiers_button().click();

  EXPECT_TRUE(prompts.Exhausted());
  EXPECT_EQ(window.encounter().modifiers(), before.modifiers());
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    EXPECT_EQ(window.encounter().summary(row), before.summary(row));
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      EXPECT_EQ(window.encounter().result(row, column), before.result(row, column));
    }
  }
  EXPECT_EQ(GridInputTexts(window), inputs);
  EXPECT_EQ(GridOutputTexts(window), outputs);
}

}  // namespace
}  // namespace zelmora
