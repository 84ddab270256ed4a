#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <ostream>
#include <string>

#include "engine/text.h"
#include "files/error_reason.h"
#include "files/reports.h"
#include "files/roster_file.h"
#include "gui/file_error_message.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"
#include "window/calc_app.h"
#include "window/calc_window.h"
#include "window/recent_files.h"

namespace zelmora {
namespace {

using testing::ReadAll;
using testing::WriteAll;
using Command = CalcWindow::Command;

class CalcWindowFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    window.show();
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  QString Path(const QString& name) const { return folder.filePath(name); }
  void Trigger(CalcWindow::Command command) { window.action(command).trigger(); }

  QTemporaryDir folder;
  testing::ScriptedPrompts prompts;
  CalcWindow window{prompts};
};

TEST_F(CalcWindowFilesTest, SaveAllThenLoadAllRestoresEveryRecord) {
  testing::ChangeTable(window, testing::FillSampleTable);
  const Encounter saved = window.encounter();
  prompts.QueueFileName(Path("party.qvr"));
  Trigger(Command::kSaveAll);
  ASSERT_EQ(prompts.save_choices.size(), 1u);
  EXPECT_EQ(prompts.save_choices[0].default_suffix, "qvr");
  EXPECT_EQ(prompts.save_choices[0].filter, "QVR ファイル (*.qvr);;全てのファイル (*)");
  EXPECT_EQ(ReadAll(Path("party.qvr")), SaveAllBytes(saved));

  CalcWindow fresh(prompts);
  testing::ChangeTable(fresh, [](Encounter& e) { e.attacker(2).evasion_kind = 3; });
  prompts.QueueFileName(Path("party.qvr"));
  fresh.LoadAll();
  ASSERT_EQ(prompts.open_choices.size(), 1u);
  EXPECT_EQ(prompts.open_choices[0].default_suffix, "qvr");
  EXPECT_EQ(prompts.open_choices[0].filter, "QVR ファイル (*.qvr);;全てのファイル (*)");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(fresh.encounter().attacker(i), saved.attacker(i)) << i;
    EXPECT_EQ(fresh.encounter().defender(i), saved.defender(i)) << i;
  }
  EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(CalcWindowFilesTest, LoadAllRefreshesAndRecalculatesEverything) {
  testing::ChangeTable(window, testing::FillSampleTable);
  QLineEdit* judgment = &window.grid().attacker(1).judgment().LineEdit();
  QTest::keyClicks(judgment, "7abc");  // typed text is canonicalised by the load
  // One defender line only: slot 2 changes, everything else stays.
  WriteAll(Path("oni.qvr"), "M,2,\"\x8b\x53\",10,20,30,5,6,1,1,1,1,1,1,1,1,1,1,1\r\n");
  const Encounter before = window.encounter();
  prompts.QueueFileName(Path("oni.qvr"));
  Trigger(Command::kLoadAll);

  const Defender& oni = window.encounter().defender(2);
  EXPECT_EQ(oni.name, "\x8b\x53");
  EXPECT_EQ(oni.melee_evasion, 10);
  EXPECT_EQ(oni.magic_defence, 6);
  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().defender(1), before.defender(1));
  EXPECT_EQ(window.grid().defender(2).name().text(), "鬼");
  EXPECT_EQ(window.grid().defender(2).evasion().text(), "10,20,30");
  EXPECT_EQ(window.grid().attacker(1).judgment().text(),
            QString::fromStdString(FormatInt(before.attacker(1).judgment_value)));
  Encounter expected = window.encounter();
  expected.Recalculate();
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(window.encounter().result(row, 2), expected.result(row, 2)) << row;
    EXPECT_EQ(window.grid().pairing(row, 2).damage().WholeText(),
              QString::fromStdString(FormatGeneral(expected.result(row, 2).expected_damage)));
  }
}

TEST_F(CalcWindowFilesTest, CancelledDialogsDoNothing) {
  testing::ChangeTable(window, testing::FillSampleTable);
  QTest::keyClicks(&window.grid().attacker(1).judgment().LineEdit(), "x");
  const QString typed = window.grid().attacker(1).judgment().text();
  const Encounter before = window.encounter();
  for (Command command :
       {Command::kSaveAll, Command::kLoadAll, Command::kTextReport, Command::kHtmlReport}) {
    prompts.QueueFileName({});
    Trigger(command);
  }
  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().defenders(), before.defenders());
  EXPECT_EQ(window.grid().attacker(1).judgment().text(), typed);  // not refreshed
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(CalcWindowFilesTest, ReportsAreWrittenThroughTheMenu) {
  testing::ChangeTable(window, testing::FillSampleTable);
  prompts.QueueFileName(Path("report.txt"));
  Trigger(Command::kTextReport);
  prompts.QueueFileName(Path("report.htm"));
  Trigger(Command::kHtmlReport);

  EXPECT_EQ(ReadAll(Path("report.txt")), TextReport(window.encounter()));
  EXPECT_EQ(ReadAll(Path("report.htm")), HtmlReport(window.encounter()));
  ASSERT_EQ(prompts.save_choices.size(), 2u);
  EXPECT_EQ(prompts.save_choices[0].default_suffix, "txt");
  EXPECT_EQ(prompts.save_choices[0].filter, "テキストファイル (*.txt);;全てのファイル (*)");
  EXPECT_EQ(prompts.save_choices[1].default_suffix, "htm");
  EXPECT_EQ(prompts.save_choices[1].filter, "HTML ファイル (*.htm);;全てのファイル (*)");
  EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(CalcWindowFilesTest, ReportNeverRecalculates) {
  testing::ChangeTable(window, testing::FillSampleTable);
  const Encounter before = window.encounter();
  prompts.QueueFileName(Path("report.txt"));
  Trigger(Command::kTextReport);
  EXPECT_EQ(ReadAll(Path("report.txt")), TextReport(before));
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(window.encounter().summary(row), before.summary(row));
    EXPECT_EQ(window.encounter().result(row, 5), before.result(row, 5));
  }
}

TEST_F(CalcWindowFilesTest, UnwritableTargetShowsOneErrorAndLeavesTheOldFile) {
  WriteAll(Path("old.qvr"), "P,1,\"old\",1,2,3,0,0,11,1,0\r\n");
  const QString target = Path("old.qvr/party.qvr");  // under a regular file
  prompts.QueueFileName(target);
  Trigger(Command::kSaveAll);
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(target)) << prompts.errors[0].toStdString();
  EXPECT_TRUE(prompts.errors[0].contains(QString::fromStdString(ErrorReason(ENOTDIR))))
      << prompts.errors[0].toStdString();
  EXPECT_EQ(ReadAll(Path("old.qvr")), "P,1,\"old\",1,2,3,0,0,11,1,0\r\n");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
            QStringList{"old.qvr"});

  // A report that cannot be written is reported the same way.
  prompts.QueueFileName(Path("gone/report.htm"));
  Trigger(Command::kHtmlReport);
  ASSERT_EQ(prompts.errors.size(), 2);
  EXPECT_TRUE(prompts.errors[1].contains(Path("gone/report.htm")));
}

TEST_F(CalcWindowFilesTest, UnreadableRosterShowsOneErrorAndChangesNothing) {
  testing::ChangeTable(window, testing::FillSampleTable);
  QTest::keyClicks(&window.grid().attacker(1).judgment().LineEdit(), "9");
  const QString typed = window.grid().attacker(1).judgment().text();
  const Encounter before = window.encounter();
  const QString missing = Path("missing.qvr");
  prompts.QueueFileName(missing);
  Trigger(Command::kLoadAll);
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(missing));
  EXPECT_EQ(window.encounter().attackers(), before.attackers());
  EXPECT_EQ(window.encounter().defenders(), before.defenders());
  EXPECT_EQ(window.grid().attacker(1).judgment().text(), typed);  // not refreshed
}

TEST(CalcAppTest, OpensTheWindowWithTheRosterLoadedWhollyOnTheScreen) {
  QTemporaryDir folder;
  const QString roster = folder.filePath("one.qvr");
  WriteAll(roster, "P,3,\"\x8b\x53\",70,2\r\n");
  testing::ScriptedPrompts prompts;
  CalcApp app(prompts);
  CalcWindow& window = app.Open(roster);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.encounter().attacker(3).judgment_value, 70);
  EXPECT_EQ(window.grid().attacker(3).name().text(), "鬼");
  EXPECT_EQ(window.grid().attacker(3).dice().text(), "2");
  EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
  EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST(CalcAppTest, PreparationAfterTheRosterIsShownRecalculated) {
  QTemporaryDir folder;
  const QString roster = folder.filePath("one.qvr");
  WriteAll(roster, "P,1,\"\",50,2,3\r\nM,1,\"\",30,0,0,5\r\n");
  testing::ScriptedPrompts prompts;
  CalcApp app(prompts);
  // Evasion kind なし: the attacker's own chance and no technique.
  CalcWindow& window = app.Open(roster, [](Encounter& e) { e.attacker(1).evasion_kind = 3; });
  EXPECT_EQ(window.encounter().attacker(1).judgment_value, 50);
  EXPECT_EQ(window.grid().pairing(1, 1).technique().text(), "-0");
}

// The event loop runs the window until it closes; a missing roster is
// reported and the window opens all the same.
TEST(CalcAppTest, RunShowsTheWindowUntilItClosesAndReportsAMissingRoster) {
  testing::ScriptedPrompts prompts;
  bool opened = false;
  QTimer::singleShot(0, [&opened] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* shown = qobject_cast<CalcWindow*>(widget); shown && shown->isVisible()) {
        opened = true;
        shown->close();
      }
    }
  });
  CalcApp(prompts).Run("/nonexistent/roster.qvr");
  EXPECT_TRUE(opened);
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains("/nonexistent/roster.qvr"));
}

TEST_F(CalcWindowFilesTest, NoRosterIsRefusedAndAUTF8OneLoadsWithANotice) {
  WriteAll(Path("garbage.qvr"), "garbage\n");
  WriteAll(Path("utf8.qvr"), "P,1,\"リナ\",70\r\n");
  EXPECT_FALSE(window.LoadRoster(Path("garbage.qvr")));
  EXPECT_TRUE(window.LoadRoster(Path("utf8.qvr")));
  EXPECT_EQ(prompts.errors.value(0),
            ReadErrorMessage({FilePathBytes(Path("garbage.qvr")), std::string(kNoRosterLine)}));
  EXPECT_EQ(prompts.notices, QStringList{Utf8RosterNotice(Path("utf8.qvr"))});
  EXPECT_EQ(RecentFiles::List(), QStringList{Path("utf8.qvr")});
}

}  // namespace
}  // namespace zelmora
