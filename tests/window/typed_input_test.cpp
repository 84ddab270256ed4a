// What the user types meets the records: full-width numbers from an input
// method, refused name characters, and names whose bytes do not decode.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "editors/attacker_editor.h"
#include "editors/modifiers_dialog.h"
#include "files/cp932.h"
#include "gui/field_notice.h"
#include "gui/name_field.h"
#include "tests/support/grid_texts.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using testing::Commit;

bool NoticeShown(const QWidget& window) {
  const FieldNotice* notice = FieldNotice::Of(window);
  return notice && notice->isVisible();
}

class TypedInputTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ShowActive(window); }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  void ClickRecalculate() { window.grid().recalculate_button().click(); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(TypedInputTest, FullWidthNumbersInTheGridReadAsAsciiAndNamesStayAsTyped) {
  Commit(&window.grid().attacker(1).judgment(), QStringLiteral("５５"));
  Commit(&window.grid().attacker(1).bonus(), QStringLiteral("－３"));
  Commit(&window.grid().attacker(2).bonus(), QStringLiteral("\u2212２"));
  Commit(&window.grid().attacker(2).dice(), QStringLiteral("＋４"));
  Commit(&window.grid().defender(1).evasion(), QStringLiteral("３０，２５，１０"));
  Commit(&window.grid().defender(1).defence(), QStringLiteral("４，２"));
  Commit(&window.grid().attacker(1).name(), QStringLiteral("５５"));

  const Attacker& first = window.encounter().attacker(1);
  EXPECT_EQ(first.judgment_value, 55);
  EXPECT_EQ(first.damage_bonus, -3);
  EXPECT_EQ(window.encounter().attacker(2).damage_bonus, -2);
  EXPECT_EQ(window.encounter().attacker(2).dice_count, 4);
  const Defender& d = window.encounter().defender(1);
  EXPECT_EQ((std::array{d.melee_evasion, d.ranged_evasion, d.magic_evasion}),
            (std::array{30, 25, 10}));
  EXPECT_EQ((std::array{d.physical_defence, d.magic_defence}), (std::array{4, 2}));
  EXPECT_EQ(first.name, *Cp932FromUtf8("５５"));
  EXPECT_EQ(window.grid().attacker(1).judgment().text(),
            QStringLiteral("５５"));  // until written back

  ClickRecalculate();
  EXPECT_EQ(window.grid().attacker(1).judgment().text(), "55");
  EXPECT_EQ(window.grid().attacker(1).bonus().text(), "-3");
  EXPECT_EQ(window.grid().defender(1).evasion().text(), "30,25,10");
  EXPECT_EQ(window.grid().attacker(1).name().text(), QStringLiteral("５５"));
}

TEST_F(TypedInputTest, FullWidthNumbersInTheDialogsReadAsAscii) {
  prompts.QueueDialog([](QDialog& editor) {
    const auto& fields = dynamic_cast<AttackerEditor&>(editor).fields();
    Commit(fields.judgment_value, QStringLiteral("７０"));
    Commit(fields.attack_count, QStringLiteral("＋２"));
    editor.accept();
    return editor.result();
  });
  window.EditAttacker(3);
  EXPECT_EQ(window.encounter().attacker(3).judgment_value, 70);
  EXPECT_EQ(window.encounter().attacker(3).attack_count, 2);
  EXPECT_EQ(window.grid().attacker(3).judgment().text(), "70");

  prompts.QueueDialog([](QDialog& dialog) {
    Commit(dynamic_cast<ModifiersDialog&>(dialog).fields().physical_hit, QStringLiteral("－１５"));
    dialog.accept();
    return dialog.result();
  });
  window.EditModifiers();
  EXPECT_EQ(window.encounter().modifiers().hit_bonus[0], -15);
}

// The notice names the character, takes no focus, and the next click and
// key go where the user meant them.
TEST_F(TypedInputTest, RefusalNoticeNeverTakesTheNextClickOrKeyAndGoesWithTheName) {
  QLineEdit* name = &window.grid().defender(1).name().LineEdit();
  QLineEdit* evasion = &window.grid().defender(2).evasion().LineEdit();
  Commit(name, QStringLiteral("竜€"));
  EXPECT_EQ(name->text(), QString());  // the whole commit is refused
  ASSERT_TRUE(NoticeShown(window));
  const FieldNotice& notice = *FieldNotice::Of(window);
  EXPECT_EQ(notice.text(), RefusedCharacterMessage(QStringLiteral("€")));
  EXPECT_TRUE(notice.windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(notice.testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(QApplication::focusWidget(), name);

  QTest::mouseClick(evasion, Qt::LeftButton);
  EXPECT_FALSE(NoticeShown(window));
  EXPECT_EQ(QApplication::focusWidget(), evasion);
  evasion->selectAll();
  QTest::keyClicks(evasion, "4");
  EXPECT_EQ(window.encounter().defender(2).melee_evasion, 4);
  EXPECT_EQ(name->text(), QString());

  // A notice also goes when the name is replaced, here by a refresh.
  Commit(name, QStringLiteral("€"));
  ASSERT_TRUE(NoticeShown(window));
  testing::ChangeTable(window, [](Encounter& e) { e.defender(1).name = "Orc"; });
  window.RefreshInputs(SlotSelection::None(), SlotSelection::Only(1));
  EXPECT_FALSE(NoticeShown(window));
  EXPECT_TRUE(name->toolTip().isEmpty());
}

// "\x82" is a lead byte without its trail: it shows as U+FFFD, stays through
// recalculations, and gives way to the first edit of that name.
TEST_F(TypedInputTest, NameWithUndecodableBytesCanBeEditedAndBackspaced) {
  testing::ChangeTable(window, [](Encounter& e) {
    e.attacker(1).name = "AB\x82";
    e.attacker(2).name = "CD\x82";
  });
  window.RefreshInputs();
  ClickRecalculate();
  EXPECT_EQ(window.encounter().attacker(1).name, "AB\x82");

  QLineEdit* first = &window.grid().attacker(1).name().LineEdit();
  first->setFocus();
  first->end(false);
  QTest::keyClick(first, Qt::Key_Backspace);
  EXPECT_EQ(window.encounter().attacker(1).name, "AB");
  EXPECT_EQ(first->text(), "AB");

  QLineEdit* second = &window.grid().attacker(2).name().LineEdit();
  second->setFocus();
  second->setCursorPosition(1);
  QTest::keyClicks(second, "x");
  EXPECT_EQ(window.encounter().attacker(2).name, "CxD");
  EXPECT_EQ(second->text(), "CxD");
  EXPECT_EQ(second->cursorPosition(), 2);
  EXPECT_FALSE(NoticeShown(window));
}

}  // namespace
}  // namespace zelmora
