#include "editors/modifiers_dialog.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/gui_helpers.h"

namespace zelmora {
namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMin = std::numeric_limits<std::int32_t>::min();

// The dialog's controls, through its accessors.
using Fields = ModifiersDialog::Fields;
constexpr auto kPhysicalHit = &Fields::physical_hit;
constexpr auto kMagicHit = &Fields::magic_hit;
constexpr auto kPhysicalDamage = &Fields::physical_damage;
constexpr auto kMagicDamage = &Fields::magic_damage;
constexpr auto kPhysicalEvasion = &Fields::physical_evasion;
constexpr auto kMagicEvasion = &Fields::magic_evasion;
constexpr auto kPhysicalDefence = &Fields::physical_defence;
constexpr auto kMagicDefence = &Fields::magic_defence;
using testing::Button;
using testing::Edit;
using testing::kCancel;
using testing::kOk;
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
  const std::pair<QLineEdit * Fields::*, const char*> expected[] = {
      {kPhysicalHit, "1"},
      {kMagicHit, "-2"},
      {kPhysicalDamage, "3"},
      {kMagicDamage, "4"},
      {kPhysicalEvasion, "5"},
      {kMagicEvasion, "6"},
      {kPhysicalDefence, "2147483647"},
      {kMagicDefence, "-2147483648"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(Edit(dialog, id)->text(), text) << id;
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
  Retype(Edit(dialog, kPhysicalEvasion), "-10");
  Retype(Edit(dialog, kMagicHit), "");
  Retype(Edit(dialog, kPhysicalDamage), "5abc");
  Retype(Edit(dialog, kPhysicalDefence), "  +12");
  Retype(Edit(dialog, kMagicDefence), "99999999999");
  Retype(Edit(dialog, kMagicEvasion), "abc5");
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
  const Fields& f = dialog.fields();
  EXPECT_EQ(dialog.focusWidget(), f.physical_hit);
  EXPECT_EQ(testing::TabChain(f.physical_hit),
            (std::vector<QWidget*>{f.physical_hit, f.magic_hit, f.physical_damage, f.magic_damage,
                                   f.physical_evasion, f.magic_evasion, f.physical_defence,
                                   f.magic_defence, Button(dialog, kOk), Button(dialog, kCancel)}));
}

TEST(ModifiersDialog, EnterConfirmsAndEscapeOrCancelDiscards) {
  {
    ModifiersDialog dialog({});
    dialog.show();
    QTest::keyClick(Edit(dialog, kPhysicalHit), Qt::Key_Return);
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
    Button(dialog, kCancel)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace zelmora
