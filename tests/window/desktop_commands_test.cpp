// The window's desktop commands by their keys: undo and redo of the whole
// table, the title and its mark, saving to the table's roster, the kept
// table at start.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/roster_file.h"
#include "gui/help_window.h"
#include "tests/support/grid_texts.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_table.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers

void Press(QWidget* widget, const char* keys) {
  const QKeyCombination key = QKeySequence(QString::fromUtf8(keys))[0];
  QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

// Typing on in one field is one step, a field left and typed in again a
// new one; a load and 新規 are steps too; each undo shows its table exactly.
TEST(DesktopCommandsTest, UndoAndRedoWalkTypingLoadAndNewExactly) {
  QTemporaryDir folder;
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  ShowActive(window);
  FillSampleTable(window.encounter());
  window.RecalculateAll();
  QLineEdit* judgment = &window.grid().attacker(2).judgment();
  QLineEdit* name = &window.grid().defender(3).name();
  const QString sample_name = name->text();
  Retype(judgment, "45");
  Retype(name, "oni");
  Retype(judgment, "456");
  const QStringList typed = GridInputTexts(window) + GridOutputTexts(window);
  Encounter roster;
  roster.attacker(2).evasion_kind = 2;
  WriteAll(folder.filePath("party.qvr"), SaveAllBytes(roster));
  ASSERT_TRUE(window.LoadRoster(folder.filePath("party.qvr")));
  const Encounter loaded = window.encounter();
  EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム — party.qvr[*]");
  Press(judgment, "Ctrl+N");
  EXPECT_TRUE(SameTable(window.encounter(), Encounter()));
  Press(judgment, "Ctrl+Z");
  EXPECT_TRUE(SameTable(window.encounter(), loaded));
  EXPECT_TRUE(window.isWindowModified());
  Press(judgment, "Ctrl+Z");
  EXPECT_EQ(GridInputTexts(window) + GridOutputTexts(window), typed);
  Press(judgment, "Ctrl+Shift+Z");
  EXPECT_TRUE(SameTable(window.encounter(), loaded));
  for (const char* undone : {"456", "45", "45"}) {
    Press(judgment, "Ctrl+Z");
    EXPECT_EQ(judgment->text(), undone);
  }
  EXPECT_EQ(name->text(), sample_name);
  Press(judgment, "Ctrl+Y");
  EXPECT_EQ(name->text(), "oni");
}

// 全てセーブ asks only while the table belongs to no roster, 名前を付けて保存
// always, each offering the table's name; F1 opens the help window.
TEST(DesktopCommandsTest, SaveAllAsksOnlyTheFirstTimeAndF1OpensTheHelp) {
  QTemporaryDir folder;
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  ShowActive(window);
  QLineEdit* name = &window.grid().attacker(1).name();
  Retype(name, "Rina/1");
  prompts.QueueFileName(folder.filePath("party.qvr"));
  Press(name, "Ctrl+S");
  Retype(name, "Rina");
  EXPECT_TRUE(window.isWindowModified());
  Press(name, "Ctrl+S");
  EXPECT_EQ(ReadAll(folder.filePath("party.qvr")), SaveAllBytes(window.encounter()));
  EXPECT_FALSE(window.isWindowModified());
  prompts.QueueFileName({});
  Press(name, "Ctrl+Shift+S");
  ASSERT_EQ(prompts.save_choices.size(), 2u);
  EXPECT_EQ(prompts.save_choices[0].suggested_name, "Rina_1");
  EXPECT_EQ(prompts.save_choices[1].suggested_name, "party");
  Press(name, "F1");
  EXPECT_TRUE(window.findChild<HelpWindow*>()->isWindow());
}

// Started without a roster: the kept table, where undo stops; a damaged one
// is reported and the table stays empty.
TEST(DesktopCommandsTest, StartsWithTheKeptTableOrReportsADamagedOne) {
  ScriptedPrompts prompts;
  CalcWindow typed(prompts);
  typed.keeper().Start(0);
  FillSampleTable(typed.encounter());
  typed.RecalculateAll();
  typed.keeper().WriteNow();
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  EXPECT_TRUE(SameTable(window.encounter(), typed.encounter()));
  EXPECT_FALSE(window.action(CalcWindow::Command::kUndo).isEnabled());
  EXPECT_FALSE(window.isWindowModified());
  WriteAll(TableKeeper::Path(), "garbage");
  CalcApp second(prompts);
  EXPECT_TRUE(SameTable(second.Open().encounter(), Encounter()));
  EXPECT_EQ(prompts.errors.size(), 1);
}

}  // namespace
}  // namespace zelmora
