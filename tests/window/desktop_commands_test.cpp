// The window's desktop commands, driven by their keys.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTemporaryDir>

#include "files/roster_file.h"
#include "tests/support/grid_texts.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers

void Press(QWidget* widget, const char* keys) {
  const QKeyCombination key = QKeySequence(QString::fromUtf8(keys))[0];
  QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

// 全てセーブ asks only the first time; the title marks what is not saved;
// undo walks back through 新規 and a load to each table exactly, typing one
// step per field and focus.
TEST(DesktopCommandsTest, SaveOnceThenUndoAndRedoEachTableExactly) {
  QTemporaryDir folder;
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  ShowActive(window);
  QLineEdit* name = &window.grid().attacker(1).name().LineEdit();
  QLineEdit* judgment = &window.grid().attacker(1).judgment().LineEdit();
  Retype(name, "Rina/1");
  Retype(judgment, "45");
  prompts.QueueFileName(folder.filePath("party.qvr"));
  Press(judgment, "Ctrl+S");
  Retype(judgment, "456");
  EXPECT_TRUE(window.isWindowModified());
  Press(judgment, "Ctrl+S");
  EXPECT_EQ(ReadAll(folder.filePath("party.qvr")), SaveAllBytes(window.encounter()));
  EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム — party.qvr[*]");
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(prompts.save_choices.at(0).suggested_name, "Rina_1");

  const QStringList saved = GridInputTexts(window) + GridOutputTexts(window);
  ChangeTable(window, FillSampleTable);
  WriteAll(folder.filePath("other.qvr"), SaveAllBytes(window.encounter()));
  ASSERT_TRUE(window.LoadRoster(folder.filePath("other.qvr")));
  Press(judgment, "Ctrl+N");
  EXPECT_TRUE(SameTable(window.encounter(), Encounter()));
  Press(judgment, "Ctrl+Z");
  Press(judgment, "Ctrl+Z");
  EXPECT_EQ(GridInputTexts(window) + GridOutputTexts(window), saved);
  EXPECT_EQ(window.roster_path(), folder.filePath("party.qvr"));  // Ctrl+S writes there
  for (const char* undone : {"45", "0"}) {
    Press(judgment, "Ctrl+Z");
    EXPECT_EQ(judgment->text(), undone);
  }
  Press(judgment, "Ctrl+Shift+Z");
  Press(judgment, "Ctrl+Y");
  EXPECT_EQ(judgment->text(), "456");
}

// Started without a roster: the kept table, where undo stops.
TEST(DesktopCommandsTest, StartsWithTheKeptTable) {
  ScriptedPrompts prompts;
  CalcWindow typed(prompts);
  typed.keeper().Start(0);
  ChangeTable(typed, FillSampleTable);
  typed.keeper().WriteNow();
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  EXPECT_TRUE(SameTable(window.encounter(), typed.encounter()));
  EXPECT_FALSE(window.action(CalcWindow::Command::kUndo).isEnabled());
}

// A restart without a roster brings back the kept table with its roster
// and its mark (a roster only opened from the command line and looked at
// replaces no table kept before); Ctrl+S then writes to that roster without asking. A
// damaged kept table is said once the window is shown, over it.
TEST(DesktopCommandsTest, ARestartBringsBackTheRosterAndItsMark) {
  QTemporaryDir folder;
  ScriptedPrompts prompts;
  const QString party = folder.filePath("party.qvr");
  Encounter sample;
  FillSampleTable(sample);
  WriteAll(party, SaveAllBytes(sample));
  for (const bool typed : {false, true}) {
    {
      CalcApp app(prompts);
      CalcWindow& window = app.Open();
      ASSERT_TRUE(window.LoadRoster(party));
      if (typed) Retype(&window.grid().attacker(2).judgment().LineEdit(), "12");
      Press(&window, "Escape");
    }
    CalcApp app(prompts);
    CalcWindow& window = app.Open();
    EXPECT_EQ(window.windowTitle(), "ZELMORA 確率計算プログラム — party.qvr[*]");
    EXPECT_EQ(window.isWindowModified(), typed);
    EXPECT_EQ(window.encounter().attacker(2).judgment_value,
              typed ? 12 : sample.attacker(2).judgment_value);
    ShowActive(window);
    Press(&window.grid().recalculate_button(), "Ctrl+S");
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(ReadAll(party), SaveAllBytes(window.encounter()));
    window.close();
  }
  EXPECT_TRUE(prompts.save_choices.empty());

  WriteAll(TableKeeper::Path(), "damaged");
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  EXPECT_TRUE(prompts.errors.isEmpty());  // not before the window is up
  QApplication::processEvents();
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains("壊れている"));
  EXPECT_TRUE(window.isVisible());
}

// Closed at a size and place of the user's, the window opens there again;
// kept larger than the screen, it opens wholly on it.
TEST(DesktopCommandsTest, TheWindowKeepsItsSizeAndPlaceOnTheScreen) {
  ScriptedPrompts prompts;
  const QRect chosen(50, 60, 520, 380);
  QRect screen;
  {
    CalcApp app(prompts);
    CalcWindow& window = app.Open();
    screen = window.screen()->availableGeometry();
    window.setGeometry(chosen);
    window.close();
  }
  {
    CalcApp app(prompts);
    CalcWindow& window = app.Open();
    EXPECT_EQ(window.geometry(), chosen);
    window.setGeometry(screen.adjusted(40, 30, 400, 300));
    window.close();
  }
  CalcApp app(prompts);
  CalcWindow& window = app.Open();
  const QRect shown = window.frameGeometry();
  EXPECT_TRUE(screen.contains(shown))
      << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
}

}  // namespace
}  // namespace zelmora
