#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/slot_button_row.h"
#include "editors/slot_chooser.h"
#include "engine/text.h"
#include "files/cp932.h"
#include "gui/dialog_buttons.h"
#include "tests/support/grid_texts.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using testing::Click;
using testing::Commit;
using testing::Edit;

// Every input and output text of the grid.
QStringList GridTexts(CalcWindow& window) {
  return testing::GridOutputTexts(window) + testing::GridInputTexts(window);
}

// Drives the editor the next modal dialog must be, then presses `button`
// (OK or ｷｬﾝｾﾙ).
using CloseButton = QPushButton* (DialogButtons::*)() const;
template <class Editor>
testing::ScriptedPrompts::DialogScript InEditor(const QString& expected_name,
                                                std::function<void(Editor&)> edit,
                                                CloseButton button) {
  return [=](QDialog& dialog) {
    auto* editor = qobject_cast<Editor*>(&dialog);
    EXPECT_NE(editor, nullptr) << "expected " << Editor::staticMetaObject.className();
    if (!editor) return int{QDialog::Rejected};
    EXPECT_EQ(editor->fields().name->text(), expected_name);
    edit(*editor);
    Click((editor->buttons().*button)());
    return editor->result();
  };
}

class EditorCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    const char* names[] = {"剣士", "弓兵", "魔術師", "僧侶", "盗賊"};
    for (int slot = 1; slot <= 5; ++slot) {
      Commit(&window.grid().attacker(slot).name(), names[slot - 1]);
      Commit(&window.grid().attacker(slot).judgment(), QString::number(20 + 10 * slot));
      Commit(&window.grid().attacker(slot).dice(), "2");
      Commit(&window.grid().defender(slot).evasion(), QString::number(5 * slot));
    }
    Commit(&window.grid().attacker(4).judgment(), "12abc");
    Commit(&window.grid().defender(2).defence(), "3,x");
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(EditorCommandsTest, OkOnRowTwoRewritesEveryAttackerRowAndRecalculatesAll) {
  prompts.QueueDialog(InEditor<AttackerEditor>(
      "弓兵", [](AttackerEditor& editor) { Commit(editor.fields().dice_count, "5"); },
      &DialogButtons::ok));
  window.grid().attacker(2).editor_button().click();

  EXPECT_EQ(window.encounter().attacker(2).dice_count, 5);
  EXPECT_EQ(window.grid().attacker(2).dice().text(), "5");
  EXPECT_EQ(window.grid().attacker(4).judgment().text(), "12");  // canonical now
  EXPECT_EQ(window.grid().defender(2).defence().text(), "3,x");  // other side as typed
  EXPECT_EQ(window.grid().defender(2).evasion().text(), "10");
  EXPECT_EQ(testing::GridOutputTexts(window), testing::ExpectedOutputTexts(window.encounter()));
}

TEST_F(EditorCommandsTest, CancelAfterEditingChangesNoRecordAndNoText) {
  const Encounter before = window.encounter();
  const QStringList texts = GridTexts(window);
  prompts.QueueDialog(InEditor<AttackerEditor>(
      "弓兵",
      [](AttackerEditor& editor) {
        Commit(editor.fields().name, "別人");
        Commit(editor.fields().judgment_value, "99");
      },
      &DialogButtons::cancel));
  window.grid().attacker(2).editor_button().click();
  prompts.QueueDialog(InEditor<DefenderEditor>(
      "", [](DefenderEditor& editor) { Commit(editor.fields().melee_evasion, "70"); },
      &DialogButtons::cancel));
  window.grid().defender(3).editor_button().click();

  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().defenders(), before.defenders());
  EXPECT_EQ(GridTexts(window), texts);
}

TEST_F(EditorCommandsTest, SwapOneWithThreeThenOkShowsBothRows) {
  const Attacker first = window.encounter().attacker(1);
  const Attacker third = window.encounter().attacker(3);
  prompts.QueueDialog(InEditor<AttackerEditor>(
      "剣士", [](AttackerEditor& editor) { Click(editor.slot_buttons().swap()); },
      &DialogButtons::ok));
  prompts.QueueDialog(testing::AnswerChooser(3));
  window.grid().attacker(1).editor_button().click();

  EXPECT_EQ(window.encounter().attacker(1), third);
  EXPECT_EQ(window.encounter().attacker(3), first);
  EXPECT_EQ(window.grid().attacker(1).name().text(), "魔術師");
  EXPECT_EQ(window.grid().attacker(1).judgment().text(), "50");
  EXPECT_EQ(window.grid().attacker(3).name().text(), "剣士");
  EXPECT_EQ(window.grid().attacker(3).judgment().text(), "30");
  EXPECT_EQ(testing::GridOutputTexts(window), testing::ExpectedOutputTexts(window.encounter()));
}

TEST_F(EditorCommandsTest, DefenderOkRewritesTheDefenderColumnsOnly) {
  prompts.QueueDialog(InEditor<DefenderEditor>(
      "",
      [](DefenderEditor& editor) {
        Commit(editor.fields().name, "骸骨");
        Commit(editor.fields().magic_evasion, "40");
      },
      &DialogButtons::ok));
  window.grid().defender(3).editor_button().click();

  EXPECT_EQ(window.encounter().defender(3).name, testing::Cp932("骸骨"));
  EXPECT_EQ(window.grid().defender(3).name().text(), "骸骨");
  EXPECT_EQ(window.grid().defender(3).evasion().text(), "15,0,40");
  EXPECT_EQ(window.grid().defender(2).defence().text(), "3,0");
  EXPECT_EQ(window.grid().attacker(4).judgment().text(), "12abc");  // other side as typed
  EXPECT_EQ(testing::GridOutputTexts(window), testing::ExpectedOutputTexts(window.encounter()));
}

}  // namespace
}  // namespace zelmora
