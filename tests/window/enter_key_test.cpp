// Enter as a user presses it: on a focused button it presses that button,
// anywhere else the default one. Real key events go to the focused widget of
// a shown, active window; what the window stored afterwards is checked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/slot_chooser.h"
#include "gui/dialog_builder.h"
#include "tests/support/gui_helpers.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using layout::kCancel;
using layout::kOk;
using testing::ShowActive;

QWidget* Focused() { return QApplication::focusWidget(); }

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  ASSERT_NE(Focused(), nullptr);
  QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
}

void Focus(QWidget* control) {
  ASSERT_NE(control, nullptr);
  control->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(Focused(), control);
}

void Focus(const QWidget& dialog, int id) { Focus(ControlById(dialog, id)); }

// The result a dialog closed with; a dialog that a key left open fails.
int ClosedWith(QDialog& dialog) {
  if (dialog.isVisible()) {
    ADD_FAILURE() << "\"" << dialog.windowTitle().toStdString() << "\" is still open";
    dialog.reject();
    return QDialog::Rejected;
  }
  return dialog.result();
}

class EnterKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Encounter& e = window.encounter();
    e.attacker(1).judgment_value = 70;
    e.defender(3).name = "Orc";
    e.defender(3).melee_evasion = 35;
    window.RefreshInputs();
    ShowActive(window);
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(EnterKeyTest, AttackerEditorEnterOnCancelStoresNothingAndKeypadEnterInAFieldIsOk) {
  prompts.QueueDialog([](QDialog& editor) {
    ShowActive(editor);
    Focus(editor, 1019);  // 判定値
    QTest::keyClicks(Focused(), "11");
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), ControlById(editor, kCancel));
    Press(Qt::Key_Return);
    return ClosedWith(editor);
  });
  window.EditAttacker(1);
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 70);

  prompts.QueueDialog([](QDialog& editor) {
    ShowActive(editor);
    Focus(editor, 1019);
    QTest::keyClicks(Focused(), "11");
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    return ClosedWith(editor);
  });
  window.EditAttacker(1);
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 11);
}

// Enter on a focused コピー runs the copy; in the slot chooser Enter on a
// number picks that slot, on ｷｬﾝｾﾙ or a name none; Enter on OK stores.
TEST_F(EnterKeyTest, DefenderEditorEnterRunsTheFocusedButtonAndTheChooserPicksByEnter) {
  const auto chooser_enter_at = [](int id) {
    return [id](QDialog& chooser) {
      EXPECT_NE(qobject_cast<SlotChooser*>(&chooser), nullptr);
      ShowActive(chooser);
      Focus(chooser, id);
      Press(Qt::Key_Return);
      return ClosedWith(chooser);
    };
  };
  prompts.QueueDialog([&](QDialog& editor) {
    ShowActive(editor);
    for (int id : {kCancel, 1244, 1241}) {  // ｷｬﾝｾﾙ, the name of row 1, number 3
      prompts.QueueDialog(chooser_enter_at(id));
      ShowActive(editor);
      Focus(editor, 1237);  // コピー
      Press(Qt::Key_Return);
      EXPECT_TRUE(editor.isVisible());
      EXPECT_EQ(ControlById<QLineEdit>(editor, 1034)->text(), id == 1241 ? "Orc" : "");
    }
    ShowActive(editor);
    Focus(editor, kOk);
    Press(Qt::Key_Return);
    return ClosedWith(editor);
  });
  window.EditDefender(1);
  EXPECT_EQ(window.encounter().defender(1).name, "Orc");
  EXPECT_EQ(window.encounter().defender(1).melee_evasion, 35);
}

TEST_F(EnterKeyTest, ModifiersDialogEnterOnCancelDiscardsAndEnterInAFieldConfirms) {
  for (const bool on_cancel : {true, false}) {
    prompts.QueueDialog([on_cancel](QDialog& dialog) {
      ShowActive(dialog);
      Focus(dialog, 1251);  // 物理命中率
      QTest::keyClicks(Focused(), "15");
      if (on_cancel) Focus(dialog, kCancel);
      Press(Qt::Key_Return);
      return ClosedWith(dialog);
    });
    window.EditModifiers();
    EXPECT_EQ(window.encounter().modifiers().hit_bonus[0], on_cancel ? 0 : 15);
  }
}

// Enter on the bonus button or an editor button opens that dialog and leaves
// the typed texts alone; Enter in a cell runs 再計算, which rewrites them.
TEST_F(EnterKeyTest, WindowEnterOnAButtonPressesItAndInACellRecalculates) {
  QLineEdit* judgment = &window.grid().attacker(1).judgment();
  judgment->setFocus();
  judgment->selectAll();
  QTest::keyClicks(judgment, "12abc");

  QString opened;
  const auto note_title = [&opened](QDialog& dialog) {
    opened = dialog.windowTitle();
    return int{QDialog::Rejected};
  };
  const std::pair<QWidget*, const char*> buttons[] = {
      {&window.grid().modifiers_button(), "ボーナス／ペナルティ"},
      {&window.grid().attacker(2).editor_button(), "行動側詳細設定"},
      {&window.grid().defender(5).editor_button(), "受け側詳細設定"},
      {&window.grid().results(), "命中率、ダメージ詳細"},
  };
  for (const auto& [control, title] : buttons) {
    prompts.QueueDialog(note_title);
    ShowActive(window);
    Focus(control);
    Press(Qt::Key_Return);
    EXPECT_EQ(opened, QString::fromUtf8(title)) << title;
    EXPECT_EQ(judgment->text(), "12abc") << title;
  }

  ShowActive(window);
  Focus(judgment);
  Press(Qt::Key_Return);
  EXPECT_EQ(judgment->text(), "12");
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace zelmora
