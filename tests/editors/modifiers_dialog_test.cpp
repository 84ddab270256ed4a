#include "editors/modifiers_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <limits>

#include "editors/dialog_builder.h"

namespace zelmora {
namespace {

constexpr int kMax = std::numeric_limits<std::int32_t>::max();
constexpr int kMin = std::numeric_limits<std::int32_t>::min();

QLineEdit* Field(const ModifiersDialog& dialog, int id) {
  auto* edit = ControlById<QLineEdit>(dialog, id);
  EXPECT_NE(edit, nullptr) << id;
  return edit;
}

// Replaces the whole text of a field the way a user does.
void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}

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
  const std::pair<int, const char*> expected[] = {
      {1251, "1"}, {1252, "-2"}, {1253, "3"},          {1254, "4"},
      {1255, "5"}, {1257, "6"},  {1256, "2147483647"}, {1258, "-2147483648"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(Field(dialog, id)->text(), text) << id;
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
  Retype(Field(dialog, 1255), "-10");
  Retype(Field(dialog, 1252), "");
  Retype(Field(dialog, 1253), "5abc");
  Retype(Field(dialog, 1256), "  +12");
  Retype(Field(dialog, 1258), "99999999999");
  Retype(Field(dialog, 1257), "abc5");
  EXPECT_EQ(dialog.Values(), (ShownModifiers{1, 0, 5, 4, -10, 0, 12, kMax}));

  const GlobalModifiers m = ModifiersFromShown(dialog.Values());
  EXPECT_EQ(m.evasion_bonus[0], -10);
  EXPECT_EQ(m.evasion_bonus[1], -10);
  EXPECT_EQ(m.defence_bonus[0], 12);
  EXPECT_EQ(m.evasion_bonus[2], 0);
}

TEST(ModifiersDialog, OpensOnOkAndTabsThroughTheFieldsInLayoutOrder) {
  ModifiersDialog dialog({});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QWidget* ok = ControlById(dialog, 1);
  EXPECT_EQ(dialog.focusWidget(), ok);

  const int order[] = {2, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 1};
  QWidget* current = ok;
  for (int id : order) {
    current = current->nextInFocusChain();
    while (current->focusPolicy() != Qt::StrongFocus) current = current->nextInFocusChain();
    EXPECT_EQ(current->objectName(), QString::number(id));
  }
}

TEST(ModifiersDialog, EnterConfirmsAndEscapeOrCancelDiscards) {
  {
    ModifiersDialog dialog({});
    dialog.show();
    QTest::keyClick(Field(dialog, 1251), Qt::Key_Return);
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
    ControlById<QPushButton>(dialog, 2)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace zelmora
