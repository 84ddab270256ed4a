// Enter as a user presses it: on a focused button it presses that button,
// anywhere else the default one. Real key events go to the focused widget of
// a shown, active window; what the window stored afterwards is checked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/modifiers_dialog.h"
#include "editors/slot_button_row.h"
#include "editors/slot_chooser.h"
#include "gui/dialog_buttons.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

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
    testing::ChangeTable(window, [](Encounter& e) {
      e.attacker(1).judgment_value = 70;
      e.defender(3).name = "Orc";
      e.defender(3).melee_evasion = 35;
    });
    ShowActive(window);
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(EnterKeyTest, AttackerEditorEnterOnCancelStoresNothingAndKeypadEnterInAFieldIsOk) {
  prompts.QueueDialog([](QDialog& dialog) {
    auto& editor = dynamic_cast<AttackerEditor&>(dialog);
    ShowActive(editor);
    EXPECT_EQ(Focused(), editor.fields().name);
    Press(Qt::Key_Tab);  // 判定値
    QTest::keyClicks(Focused(), "11");
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);  // round from the name to the last button
    EXPECT_EQ(Focused(), editor.buttons().cancel());
    Press(Qt::Key_Return);
    return ClosedWith(editor);
  });
  window.EditAttacker(1);
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 70);

  prompts.QueueDialog([](QDialog& dialog) {
    auto& editor = dynamic_cast<AttackerEditor&>(dialog);
    ShowActive(editor);
    Focus(editor.fields().judgment_value);
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
  using ChooserControl = QWidget* (*)(const SlotChooser&);
  const auto chooser_enter_at = [](ChooserControl control) {
    return [control](QDialog& dialog) {
      auto& chooser = dynamic_cast<SlotChooser&>(dialog);
      ShowActive(chooser);
      Focus(control(chooser));
      Press(Qt::Key_Return);
      return ClosedWith(chooser);
    };
  };
  const std::pair<ChooserControl, const char*> controls[] = {
      {[](const SlotChooser& c) -> QWidget* { return c.buttons().cancel(); }, ""},
      {[](const SlotChooser& c) -> QWidget* { return c.names()[0]; }, ""},
      {[](const SlotChooser& c) -> QWidget* { return c.numbers()[2]; }, "Orc"},
  };
  prompts.QueueDialog([&](QDialog& dialog) {
    auto& editor = dynamic_cast<DefenderEditor&>(dialog);
    ShowActive(editor);
    for (const auto& [control, copied_name] : controls) {
      prompts.QueueDialog(chooser_enter_at(control));
      ShowActive(editor);
      Focus(editor.slot_buttons().copy());
      Press(Qt::Key_Return);
      EXPECT_TRUE(editor.isVisible());
      EXPECT_EQ(editor.fields().name->text(), copied_name);
    }
    ShowActive(editor);
    Focus(editor.buttons().ok());
    Press(Qt::Key_Return);
    return ClosedWith(editor);
  });
  window.EditDefender(1);
  EXPECT_EQ(window.encounter().defender(1).name, "Orc");
  EXPECT_EQ(window.encounter().defender(1).melee_evasion, 35);
}

TEST_F(EnterKeyTest, ModifiersDialogEnterOnCancelDiscardsAndEnterInAFieldConfirms) {
  for (const bool on_cancel : {true, false}) {
    prompts.QueueDialog([on_cancel](QDialog& shown) {
      auto& dialog = dynamic_cast<ModifiersDialog&>(shown);
      ShowActive(dialog);
      EXPECT_EQ(Focused(), dialog.fields().physical_hit);
      QTest::keyClicks(Focused(), "15");
      if (on_cancel) Focus(dialog.buttons().cancel());
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
  QLineEdit* judgment = &window.grid().attacker(1).judgment().LineEdit();
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
