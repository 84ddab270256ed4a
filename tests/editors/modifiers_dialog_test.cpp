#include "editors/modifiers_dialog.h"

#include <gtest/gtest.h>

#include <limits>

#include "gui/dialog_buttons.h"
#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMin = std::numeric_limits<std::int32_t>::min();

using testing::Retype;

GlobalModifiers RecordWithHiddenEntries() {
  GlobalModifiers m;
  m.hit_bonus = {1, -2, 99};
  m.damage_bonus = {3, 4, 99};
  m.defence_bonus = {7, 8, 99};
  m.evasion_bonus = {5, 42, 6, 99};
  return m;
}

TEST(ModifiersDialog, ShowsEachValueInItsOwnField) {
  const ModifiersDialog dialog({1, -2, 3, 4, 5, 6, kMax, kMin});
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ボーナス／ペナルティ"));
  const ModifiersDialog::Fields& f = dialog.fields();
  const std::pair<QLineEdit*, const char*> expected[] = {
      {f.physical_hit, "1"},
      {f.magic_hit, "-2"},
      {f.physical_damage, "3"},
      {f.magic_damage, "4"},
      {f.physical_evasion, "5"},
      {f.magic_evasion, "6"},
      {f.physical_defence, "2147483647"},
      {f.magic_defence, "-2147483648"},
  };
  for (const auto& [field, text] : expected) EXPECT_EQ(field->text(), text);
}

TEST(ModifiersDialog, OkWithoutTypingKeepsTheShownValuesAndZeroesTheHiddenEntries) {
  const GlobalModifiers before = RecordWithHiddenEntries();
  const ModifiersDialog dialog(ShowModifiers(before));
  const GlobalModifiers after = ModifiersFromShown(dialog.Values());
  EXPECT_EQ(ShowModifiers(after), ShowModifiers(before));
  EXPECT_EQ(after.hit_bonus[2], 0);
  EXPECT_EQ(after.damage_bonus[2], 0);
  EXPECT_EQ(after.defence_bonus[2], 0);
  EXPECT_EQ(after.evasion_bonus[3], 0);
  EXPECT_EQ(after.evasion_bonus[1], 5);  // the melee bonus, not the ranged 42
}

TEST(ModifiersDialog, TypedTextsBecomeTheirLeadingIntegers) {
  ModifiersDialog dialog({1, 2, 3, 4, 5, 6, 7, 8});
  Retype(dialog.fields().physical_evasion, "-10");
  Retype(dialog.fields().magic_hit, "");
  Retype(dialog.fields().physical_damage, "5abc");
  Retype(dialog.fields().physical_defence, "  +12");
  Retype(dialog.fields().magic_defence, "99999999999");
  Retype(dialog.fields().magic_evasion, "abc5");
  EXPECT_EQ(dialog.Values(), (ShownModifiers{1, 0, 5, 4, -10, 0, 12, kMax}));

  const GlobalModifiers m = ModifiersFromShown(dialog.Values());
  EXPECT_EQ(m.evasion_bonus[0], -10);
  EXPECT_EQ(m.evasion_bonus[1], -10);
  EXPECT_EQ(m.defence_bonus[0], 12);
  EXPECT_EQ(m.evasion_bonus[2], 0);
}

// Left to right, then down, in both boxes; OK and ｷｬﾝｾﾙ last.
TEST(ModifiersDialog, OpensOnPhysicalHitAndTabsAlikeThroughBothBoxes) {
  ModifiersDialog dialog({});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const ModifiersDialog::Fields& f = dialog.fields();
  EXPECT_EQ(dialog.focusWidget(), f.physical_hit);
  EXPECT_EQ(
      testing::TabChain(f.physical_hit),
      (std::vector<QWidget*>{f.physical_hit, f.magic_hit, f.physical_damage, f.magic_damage,
                             f.physical_evasion, f.magic_evasion, f.physical_defence,
                             f.magic_defence, dialog.buttons().ok(), dialog.buttons().cancel()}));
}

TEST(ModifiersDialog, EnterConfirmsAndEscapeOrCancelDiscards) {
  {
    ModifiersDialog dialog({});
    dialog.show();
    QTest::keyClick(dialog.fields().physical_hit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  {
    ModifiersDialog dialog({});
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
  {
    ModifiersDialog dialog({});
    dialog.show();
    dialog.buttons().cancel()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace zelmora
