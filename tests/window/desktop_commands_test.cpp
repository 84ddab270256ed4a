// The desktop commands of the window: undo and redo of the whole table, the
// title and its modified mark, saving to the roster the table belongs to,
// the kept table at start, copying the results.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>

#include "files/roster_file.h"
#include "gui/results_clipboard.h"
#include "tests/support/grid_texts.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_table.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers
using Command = CalcWindow::Command;

class DesktopCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile::remove(TableKeeper::Path());
    ShowActive(window);
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  QString Path(const QString& name) const { return folder.filePath(name); }
  bool Enabled(Command command) { return window.action(command).isEnabled(); }
  void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(widget, key, modifiers);
  }

  QTemporaryDir folder;
  ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

// Undo and redo, pressed in an input field, show the table of each step
// exactly, inputs and results; the title follows the roster's saved mark.
TEST_F(DesktopCommandsTest, UndoOfALoadRestoresTheTableExactlyAndRedoLoadsItAgain) {
  EXPECT_FALSE(Enabled(Command::kUndo));
  FillSampleTable(window.encounter());
  window.RecalculateAll();
  const Encounter before = window.encounter();
  const QStringList before_texts = GridInputTexts(window) + GridOutputTexts(window);
  Encounter roster;
  roster.attacker(2).judgment_value = 77;
  roster.attacker(2).name = "\x8b\x53";
  roster.attacker(2).evasion_kind = 2;
  WriteAll(Path("party.qvr"), SaveAllBytes(roster));
  ASSERT_TRUE(window.LoadRoster(Path("party.qvr")));
  const Encounter loaded = window.encounter();
  EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム — party.qvr[*]");
  EXPECT_FALSE(window.isWindowModified());

  QLineEdit* judgment = &window.grid().attacker(1).judgment();
  judgment->setFocus();
  Key(judgment, Qt::Key_Z);
  EXPECT_TRUE(SameTable(window.encounter(), before));
  EXPECT_EQ(GridInputTexts(window) + GridOutputTexts(window), before_texts);
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_TRUE(Enabled(Command::kRedo));
  for (const QKeySequence& redo : {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}) {
    Key(judgment, redo[0].key(), redo[0].keyboardModifiers());
    EXPECT_TRUE(SameTable(window.encounter(), loaded));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(Enabled(Command::kRedo));
    window.Undo();
  }
}

// Typing on in one field is one step; leaving it ends the step; typing back
// to where it began leaves none. 新規 clears every record, evasion kinds too.
TEST_F(DesktopCommandsTest, TypingIsOneStepPerFieldAndFocusAndNewIsUndoable) {
  QLineEdit* judgment = &window.grid().attacker(2).judgment();
  QLineEdit* name = &window.grid().defender(3).name();
  Retype(judgment, "45");
  Retype(name, "oni");
  Retype(judgment, "456");
  window.Undo();
  EXPECT_EQ(window.encounter().attacker(2).judgment_value, 45);
  window.Undo();
  EXPECT_EQ(name->text(), "");
  window.Undo();
  EXPECT_EQ(judgment->text(), "0");
  CalcWindow fresh(prompts);
  EXPECT_EQ(GridOutputTexts(window), GridOutputTexts(fresh));
  EXPECT_FALSE(Enabled(Command::kUndo));

  FillSampleTable(window.encounter());
  window.RecalculateAll();
  const Encounter filled = window.encounter();
  Key(judgment, Qt::Key_N);
  EXPECT_TRUE(SameTable(window.encounter(), Encounter()));
  EXPECT_EQ(GridOutputTexts(window), GridOutputTexts(fresh));
  window.action(Command::kUndo).trigger();
  EXPECT_TRUE(SameTable(window.encounter(), filled));
}

// 全てセーブ asks only while the table belongs to no roster; 名前を付けて保存
// always asks, offering the roster's name.
TEST_F(DesktopCommandsTest, SaveAllAsksOnlyTheFirstTimeAndSaveAsAlways) {
  Retype(&window.grid().attacker(1).name(), "Rina/1");
  prompts.QueueFileName(Path("party.qvr"));
  Key(&window.grid().attacker(1).name(), Qt::Key_S);
  Retype(&window.grid().attacker(1).judgment(), "61");
  EXPECT_TRUE(window.isWindowModified());
  Key(&window.grid().attacker(1).judgment(), Qt::Key_S);
  EXPECT_EQ(ReadAll(Path("party.qvr")), SaveAllBytes(window.encounter()));
  EXPECT_FALSE(window.isWindowModified());
  prompts.QueueFileName(Path("copy.qvr"));
  Key(&window.grid().attacker(1).judgment(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(prompts.save_choices.size(), 2u);
  EXPECT_EQ(prompts.save_choices[0].suggested_name, "Rina_1");
  EXPECT_EQ(prompts.save_choices[1].suggested_name, "party");
  EXPECT_EQ(window.roster_path(), Path("copy.qvr"));
}

// Ctrl+C copies the results on the grid and the selection in a field.
TEST_F(DesktopCommandsTest, CopyTakesTheResultsFromTheGridAndTheSelectionFromAField) {
  FillSampleTable(window.encounter());
  window.RecalculateAll();
  QLineEdit* judgment = &window.grid().attacker(3).judgment();
  judgment->setFocus();
  judgment->selectAll();
  Key(judgment, Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), judgment->text());
  window.grid().results().setFocus();
  Key(&window.grid().results(), Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), ResultsClipboardText(window.encounter()));
}

// Started without a roster the window shows the kept table, where undo
// stops; a damaged one is reported and leaves the table empty.
TEST(CalcAppStartTest, StartsWithTheKeptTableOrReportsADamagedOne) {
  QFile::remove(TableKeeper::Path());
  ScriptedPrompts prompts;
  {
    CalcWindow typed(prompts);
    typed.keeper().Start(0);
    FillSampleTable(typed.encounter());
    typed.RecalculateAll();
    typed.keeper().WriteNow();
  }
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  Encounter filled;
  FillSampleTable(filled);
  EXPECT_TRUE(SameTable(window.encounter(), filled));
  EXPECT_FALSE(window.action(Command::kUndo).isEnabled());
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_TRUE(prompts.errors.isEmpty());

  WriteAll(TableKeeper::Path(), "garbage");
  CalcApp second(prompts);
  CalcWindow& again = second.Open();
  EXPECT_TRUE(SameTable(again.encounter(), Encounter()));
  EXPECT_EQ(prompts.errors.size(), 1);
}

}  // namespace
}  // namespace zelmora
