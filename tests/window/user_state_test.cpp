// What the window keeps for the user beyond one run: the kept table, the
// recent rosters, and rosters dropped on the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include "files/cp932.h"
#include "files/kept_table.h"
#include "files/roster_file.h"
#include "gui/user_settings.h"
#include "tests/support/grid_texts.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"
#include "window/recent_files.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers
using Command = CalcWindow::Command;

// Every test starts without a kept table and without recent files.
class UserStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QFile::remove(TableKeeper::Path());
    UserSettings().clear();
  }
  void TearDown() override { EXPECT_TRUE(prompts.Exhausted()); }

  QString Path(const QString& name) const { return folder.filePath(name); }
  // As a menu shows the path: with the platform's separators.
  QString Shown(const QString& name) const { return QDir::toNativeSeparators(Path(name)); }
  static QStringList RecentEntries(CalcWindow& window) {
    QStringList texts;
    for (QAction* entry : window.recent_menu().actions()) texts << entry->text();
    return texts;
  }
  // A window that keeps its table, as the program's start-up makes it.
  std::unique_ptr<CalcWindow> KeepingWindow(int delay_ms) {
    auto window = std::make_unique<CalcWindow>(prompts);
    window->keeper().Start(delay_ms);
    window->show();
    return window;
  }

  QTemporaryDir folder;
  testing::ScriptedPrompts prompts;
};

TEST_F(UserStateTest, TypedTableIsKeptAfterTheDelayAndRestoresExactly) {
  auto typed = KeepingWindow(5);
  EXPECT_FALSE(typed->action(Command::kRestoreKept).isEnabled());
  testing::ChangeTable(*typed, testing::FillSampleTable);
  QSignalSpy written(&typed->keeper(), &TableKeeper::Written);
  QTest::keyClicks(&typed->grid().attacker(4).judgment().LineEdit(), "7");
  ASSERT_TRUE(written.wait(5000));
  EXPECT_TRUE(typed->action(Command::kRestoreKept).isEnabled());

  CalcWindow fresh(prompts);
  fresh.show();
  ASSERT_TRUE(fresh.action(Command::kRestoreKept).isEnabled());
  fresh.action(Command::kRestoreKept).trigger();
  EXPECT_TRUE(SameTable(fresh.encounter(), typed->encounter()));
  EXPECT_EQ(fresh.encounter().attacker(4).judgment_value,
            typed->encounter().attacker(4).judgment_value);
  EXPECT_EQ(testing::GridOutputTexts(fresh), testing::GridOutputTexts(*typed));
  EXPECT_TRUE(prompts.errors.isEmpty());
}

// Escape, the close box and 終了 write at once what the delay still held;
// a window only looked at leaves the table kept before it.
TEST_F(UserStateTest, EveryWayOfClosingWritesThePendingChangeAndNothingElse) {
  const std::function<void(CalcWindow&)> ways[] = {
      [](CalcWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
      [](CalcWindow& w) { w.close(); },
      [](CalcWindow& w) { w.action(Command::kExit).trigger(); },
  };
  int value = 10;
  for (const auto& close : ways) {
    auto window = KeepingWindow(60000);
    QTest::keyClicks(&window->grid().attacker(1).judgment().LineEdit(), "1");
    ++value;
    testing::ChangeTable(*window, [value](Encounter& e) {
      e.modifiers() = ModifiersFromShown({value, 0, 0, 0, 0, 0, 0, 0});
    });
    close(*window);
    EXPECT_FALSE(window->isVisible());
    Encounter kept;
    ASSERT_EQ(ReadKeptTable(ReadAll(TableKeeper::Path()), kept), KeptTableProblem::kNone);
    EXPECT_EQ(ShowModifiers(kept.modifiers())[0], value);
  }
  const std::string before = ReadAll(TableKeeper::Path());
  auto untouched = KeepingWindow(0);
  untouched->close();
  EXPECT_EQ(ReadAll(TableKeeper::Path()), before);
}

TEST_F(UserStateTest, UnreadableKeptTableIsReportedAndChangesNothing) {
  Encounter sample;
  testing::FillSampleTable(sample);
  std::string other_version = KeptTableBytes(sample);
  other_version.replace(other_version.find("table 1 ") + 6, 1, "7");
  const std::string whole = KeptTableBytes(sample);
  const std::pair<std::string, QString> cases[] = {
      {whole.substr(0, whole.size() / 2), "壊れている"},
      {"\x7f"
       "ELF garbage",
       "壊れている"},
      {other_version, "別の版"},
  };
  QDir().mkpath(QFileInfo(TableKeeper::Path()).path());
  WriteAll(TableKeeper::Path(), "");
  CalcWindow window(prompts);
  window.show();
  QTest::keyClicks(&window.grid().attacker(2).judgment().LineEdit(), "5x");
  const Encounter before = window.encounter();
  const QString typed = window.grid().attacker(2).judgment().text();
  for (const auto& [bytes, reason] : cases) {
    WriteAll(TableKeeper::Path(), bytes);
    window.action(Command::kRestoreKept).trigger();
    ASSERT_FALSE(prompts.errors.isEmpty());
    EXPECT_TRUE(prompts.errors.takeLast().contains(reason)) << reason.toStdString();
    EXPECT_TRUE(SameTable(window.encounter(), before));
    EXPECT_EQ(window.grid().attacker(2).judgment().text(), typed);
  }
}

TEST_F(UserStateTest, RecentRostersNewestFirstAtMostEightAndAnUnreadableOneLeaves) {
  CalcWindow window(prompts);
  window.show();
  testing::ChangeTable(window, testing::FillSampleTable);
  for (int i = 1; i <= 9; ++i) {
    prompts.QueueFileName(Path(QStringLiteral("r%1.qvr").arg(i)));
    window.action(Command::kSaveAs).trigger();
  }
  prompts.QueueFileName(Path("r5.qvr"));
  window.action(Command::kLoadAll).trigger();
  const QStringList order = {"r5", "r9", "r8", "r7", "r6", "r4", "r3", "r2"};
  QStringList expected;
  for (int i = 0; i < order.size(); ++i) {
    expected << QStringLiteral("&%1 %2").arg(i + 1).arg(Shown(order[i] + ".qvr"));
  }
  EXPECT_EQ(RecentEntries(window), expected);

  // Another window, as at the next start: the same list, and an entry loads
  // as load all does.
  CalcWindow next(prompts);
  next.show();
  EXPECT_EQ(RecentEntries(next), expected);
  QMenu* menu = &next.recent_menu();
  menu->actions()[2]->trigger();
  EXPECT_EQ(next.encounter().defenders(), window.encounter().defenders());
  EXPECT_EQ(RecentEntries(next).first(), "&1 " + Shown("r8.qvr"));

  QFile::remove(Path("r9.qvr"));
  const Encounter before = next.encounter();
  menu->actions()[2]->trigger();  // r9
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(Path("r9.qvr")));
  EXPECT_TRUE(SameTable(next.encounter(), before));
  EXPECT_EQ(RecentFiles::List().size(), 7);
  EXPECT_FALSE(RecentFiles::List().contains(Path("r9.qvr")));
  EXPECT_EQ(RecentEntries(next).size(), 7);
}

// Drags `urls` onto `target`, offered as file managers offer them (with the
// text of the first), and drops them; true when the drag was welcome.
bool DragAndDrop(QWidget& target, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  data.setText(urls.front().toString());
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &drop);
  return enter.isAccepted();
}

// A drop goes first to the cell under the pointer: a name cell would take
// the dragged path as text if the window did not get it first.
TEST_F(UserStateTest, DroppedRosterLoadsAndAnythingElseChangesNothing) {
  Encounter sample;
  testing::FillSampleTable(sample);
  WriteAll(Path("party.QVR"), SaveAllBytes(sample));
  WriteAll(Path("notes.txt"), SaveAllBytes(sample));
  CalcWindow window(prompts);
  window.show();
  QLineEdit& name = window.grid().attacker(1).name().LineEdit();
  GridInput& painted = window.grid().attacker(2).name();  // no line edit yet
  const QList<QList<QUrl>> refused = {
      {QUrl::fromLocalFile(Path("notes.txt"))},
      {QUrl::fromLocalFile(Path("party.QVR")), QUrl::fromLocalFile(Path("notes.txt"))},
      {QUrl("https://example.org/party.qvr")},
  };
  for (const QList<QUrl>& urls : refused) {
    EXPECT_FALSE(DragAndDrop(name, urls)) << urls.front().toString().toStdString();
    EXPECT_FALSE(DragAndDrop(window, urls)) << urls.front().toString().toStdString();
    EXPECT_FALSE(DragAndDrop(painted, urls)) << urls.front().toString().toStdString();
  }
  EXPECT_TRUE(SameTable(window.encounter(), Encounter{}));
  EXPECT_EQ(name.text(), "");
  EXPECT_TRUE(RecentFiles::List().isEmpty());

  EXPECT_TRUE(DragAndDrop(painted, {QUrl::fromLocalFile(Path("party.QVR"))}));
  EXPECT_EQ(window.encounter().defenders(), sample.defenders());
  EXPECT_EQ(name.text(), "攻1");

  // Text dragged over a cell never used goes into it, as typing would: the
  // cell makes its line edit, which the drag reaches at the next move.
  QMimeData text;
  text.setText(QStringLiteral("鬼"));
  GridInput& cell = window.grid().defender(4).name();
  QWidget* target = &cell;
  for (int entered = 0; entered < 2; ++entered) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    target = cell.findChild<QLineEdit*>();
    ASSERT_NE(target, nullptr);
  }
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  EXPECT_EQ(window.encounter().defender(4).name.substr(0, 2), *Cp932FromUtf8("鬼"));
  EXPECT_EQ(RecentFiles::List(), QStringList{Path("party.QVR")});
  EXPECT_TRUE(prompts.errors.isEmpty());
}

}  // namespace
}  // namespace zelmora
