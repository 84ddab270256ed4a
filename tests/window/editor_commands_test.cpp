#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "editors/attacker_editor.h"
#include "editors/defender_editor.h"
#include "editors/dialog_builder.h"
#include "editors/slot_chooser.h"
#include "engine/text.h"
#include "files/cp932.h"
#include "resources/calc_window_ids.h"
#include "tests/support/scripted_prompts.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using grid::kAttackerRows;
using grid::kDefenderColumns;
using grid::kPairings;

QLineEdit* Cell(const QWidget& widget, int id) {
  auto* edit = ControlById<QLineEdit>(widget, id);
  if (!edit) ADD_FAILURE() << "no edit " << id;
  return edit;
}

void Click(const QWidget& widget, int id) {
  QTest::mouseClick(ControlById<QPushButton>(widget, id), Qt::LeftButton);
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  if (text.isEmpty()) return;
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(edit, &commit);
}

QStringList PairingTexts(const QWidget& window) {
  QStringList texts;
  for (const auto& row : kPairings) {
    for (const auto& p : row) {
      for (int id : {p.chance, p.technique, p.damage}) texts << Cell(window, id)->text();
    }
  }
  return texts;
}

// Every input and output text of the grid.
QStringList GridTexts(const QWidget& window) {
  QStringList texts = PairingTexts(window);
  for (const auto& row : kAttackerRows) {
    for (int id : {row.name, row.judgment, row.dice, row.bonus, row.success, row.expectation}) {
      texts << Cell(window, id)->text();
    }
  }
  for (const auto& column : kDefenderColumns) {
    for (int id : {column.name, column.evasion, column.defence}) texts << Cell(window, id)->text();
  }
  return texts;
}

// The pairing outputs the grid must show after a full recalculation.
QStringList ExpectedPairingTexts(Encounter encounter) {
  encounter.Recalculate(0, 0);
  QStringList texts;
  for (int row = 1; row <= 5; ++row) {
    for (int column = 1; column <= 5; ++column) {
      const MatchupResult& r = encounter.result(row, column);
      texts << QString::fromStdString(FormatGeneral(r.attack_chance))
            << QString::fromStdString(r.technique)
            << QString::fromStdString(FormatGeneral(r.expected_damage));
    }
  }
  return texts;
}

// Drives the editor the next modal dialog must be, then presses `button`.
template <class Editor>
testing::ScriptedPrompts::DialogScript InEditor(int slot_name_id, const QString& expected_name,
                                                std::function<void(Editor&)> edit, int button) {
  return [=](QDialog& dialog) {
    auto* editor = qobject_cast<Editor*>(&dialog);
    EXPECT_NE(editor, nullptr) << "expected " << Editor::staticMetaObject.className();
    if (!editor) return int{QDialog::Rejected};
    EXPECT_EQ(Cell(*editor, slot_name_id)->text(), expected_name);
    edit(*editor);
    Click(*editor, button);
    return editor->result();
  };
}

testing::ScriptedPrompts::DialogScript PickInChooser(int slot) {
  return [slot](QDialog& dialog) {
    auto* chooser = qobject_cast<SlotChooser*>(&dialog);
    EXPECT_NE(chooser, nullptr);
    if (!chooser) return int{QDialog::Rejected};
    Click(*chooser, 1238 + slot);
    return chooser->result();
  };
}

class EditorCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    const char* names[] = {"剣士", "弓兵", "魔術師", "僧侶", "盗賊"};
    for (int slot = 1; slot <= 5; ++slot) {
      Retype(Cell(window, kAttackerRows[slot - 1].name), names[slot - 1]);
      Retype(Cell(window, kAttackerRows[slot - 1].judgment), QString::number(20 + 10 * slot));
      Retype(Cell(window, kAttackerRows[slot - 1].dice), "2");
      Retype(Cell(window, kDefenderColumns[slot - 1].evasion), QString::number(5 * slot));
    }
    Retype(Cell(window, kAttackerRows[3].judgment), "12abc");
    Retype(Cell(window, kDefenderColumns[1].defence), "3,x");
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(EditorCommandsTest, OkOnRowTwoRewritesEveryAttackerRowAndRecalculatesAll) {
  prompts.QueueDialog(InEditor<AttackerEditor>(
      1018, "弓兵", [](AttackerEditor& editor) { Retype(Cell(editor, 1020), "5"); }, 1));
  Click(window, kAttackerRows[1].editor);

  EXPECT_EQ(window.encounter().attacker(2).dice_count, 5);
  EXPECT_EQ(Cell(window, kAttackerRows[1].dice)->text(), "5");
  EXPECT_EQ(Cell(window, kAttackerRows[3].judgment)->text(), "12");     // canonical now
  EXPECT_EQ(Cell(window, kDefenderColumns[1].defence)->text(), "3,x");  // other side as typed
  EXPECT_EQ(Cell(window, kDefenderColumns[1].evasion)->text(), "10");
  EXPECT_EQ(PairingTexts(window), ExpectedPairingTexts(window.encounter()));
}

TEST_F(EditorCommandsTest, CancelAfterEditingChangesNoRecordAndNoText) {
  const Encounter before = window.encounter();
  const QStringList texts = GridTexts(window);
  prompts.QueueDialog(InEditor<AttackerEditor>(
      1018, "弓兵",
      [](AttackerEditor& editor) {
        Retype(Cell(editor, 1018), "別人");
        Retype(Cell(editor, 1019), "99");
      },
      2));
  Click(window, kAttackerRows[1].editor);
  prompts.QueueDialog(InEditor<DefenderEditor>(
      1034, "", [](DefenderEditor& editor) { Retype(Cell(editor, 1029), "70"); }, 2));
  Click(window, kDefenderColumns[2].editor);

  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().defenders(), before.defenders());
  EXPECT_EQ(GridTexts(window), texts);
}

TEST_F(EditorCommandsTest, SwapOneWithThreeThenOkShowsBothRows) {
  const Attacker first = window.encounter().attacker(1);
  const Attacker third = window.encounter().attacker(3);
  prompts.QueueDialog(InEditor<AttackerEditor>(
      1018, "剣士", [](AttackerEditor& editor) { Click(editor, 1234); }, 1));
  prompts.QueueDialog(PickInChooser(3));
  Click(window, kAttackerRows[0].editor);

  EXPECT_EQ(window.encounter().attacker(1), third);
  EXPECT_EQ(window.encounter().attacker(3), first);
  EXPECT_EQ(Cell(window, kAttackerRows[0].name)->text(), "魔術師");
  EXPECT_EQ(Cell(window, kAttackerRows[0].judgment)->text(), "50");
  EXPECT_EQ(Cell(window, kAttackerRows[2].name)->text(), "剣士");
  EXPECT_EQ(Cell(window, kAttackerRows[2].judgment)->text(), "30");
  EXPECT_EQ(PairingTexts(window), ExpectedPairingTexts(window.encounter()));
}

TEST_F(EditorCommandsTest, DefenderOkRewritesTheDefenderColumnsOnly) {
  prompts.QueueDialog(InEditor<DefenderEditor>(
      1034, "",
      [](DefenderEditor& editor) {
        Retype(Cell(editor, 1034), "骸骨");
        Retype(Cell(editor, 1031), "40");
      },
      1));
  Click(window, kDefenderColumns[2].editor);

  EXPECT_EQ(window.encounter().defender(3).name, Cp932FromUtf8("骸骨").value());
  EXPECT_EQ(Cell(window, kDefenderColumns[2].name)->text(), "骸骨");
  EXPECT_EQ(Cell(window, kDefenderColumns[2].evasion)->text(), "15,0,40");
  EXPECT_EQ(Cell(window, kDefenderColumns[1].defence)->text(), "3,0");
  EXPECT_EQ(Cell(window, kAttackerRows[3].judgment)->text(), "12abc");  // other side as typed
  EXPECT_EQ(PairingTexts(window), ExpectedPairingTexts(window.encounter()));
}

}  // namespace
}  // namespace zelmora
