// Rosters, recent files and the kept table under names in any script: a
// file opened is the file saved, whatever its name and the profile folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdlib>
#ifdef _WIN32
#include <windows.h>
#endif

#include "files/reports.h"
#include "files/roster_file.h"
#include "gui/file_path.h"
#include "tests/support/grid_texts.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/sample_table.h"
#include "tests/support/window_table.h"
#include "window/calc_app.h"
#include "window/calc_window.h"
#include "window/recent_files.h"
#include "window/table_keeper.h"

namespace zelmora {
namespace {

using namespace testing;  // the GUI test helpers
using Command = CalcWindow::Command;

void Press(QWidget* widget, const char* keys) {
  const QKeyCombination key = QKeySequence(QString::fromUtf8(keys))[0];
  QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Japanese (with a prolonged sound mark, whose bytes in the ANSI code page of
// a Western Windows differ most), Korean, and accented Latin.
const char* const kRosterNames[] = {"パーティー.qvr", "파티.qvr", "Équipe_à_l'été.qvr"};

enum class OpenedBy { kCommandLine, kLoadAll, kRecentFile };

// Opened three ways, edited and saved with Ctrl+S: the very file opened is
// written, nothing is made beside it, and the title and the recent list
// show its name.
TEST(NamedPathsTest, RosterOpenedEditedAndSavedInPlaceByCtrlS) {
  for (const char* name : kRosterNames) {
    for (const OpenedBy opened_by :
         {OpenedBy::kCommandLine, OpenedBy::kLoadAll, OpenedBy::kRecentFile}) {
      SCOPED_TRACE(::testing::Message() << name << " opened by " << static_cast<int>(opened_by));
      QTemporaryDir folder;
      ASSERT_TRUE(folder.isValid());
      const QString path = folder.filePath(QString::fromUtf8(name));
      Encounter table;
      FillSampleTable(table);
      WriteAll(path, SaveAllBytes(table));
      if (opened_by == OpenedBy::kRecentFile) RecentFiles::Add(path);
      RecentFiles::Add(folder.filePath(QStringLiteral("other.qvr")));
      ScriptedPrompts prompts;
      CalcApp app(prompts);
      CalcWindow* window = nullptr;
      if (opened_by == OpenedBy::kCommandLine) {
        window = &app.OpenWithRosterBytes(FilePathBytes(path));
      } else {
        window = &app.Open(QString());
        if (opened_by == OpenedBy::kLoadAll) {
          prompts.QueueFileName(path);
          window->LoadAll();
        } else {
          window->recent_menu().actions().at(1)->trigger();
        }
      }
      ShowActive(*window);
      EXPECT_EQ(window->encounter().attacker(2).judgment_value, table.attacker(2).judgment_value);
      EXPECT_EQ(window->windowTitle(),
                QStringLiteral("ZELMORA 確率計算プログラム — %1[*]").arg(QString::fromUtf8(name)));
      EXPECT_EQ(RecentFiles::List().value(0), path);

      QLineEdit* judgment = &window->grid().attacker(2).judgment().LineEdit();
      Retype(judgment, "31");
      ASSERT_TRUE(window->isWindowModified());
      Press(judgment, "Ctrl+S");
      EXPECT_FALSE(window->isWindowModified());
      EXPECT_EQ(ReadAll(path), SaveAllBytes(window->encounter()));
      EXPECT_EQ(window->encounter().attacker(2).judgment_value, 31);
      EXPECT_EQ(FilesIn(folder.path()), QStringList{QString::fromUtf8(name)});
      EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
      EXPECT_TRUE(prompts.Exhausted());
    }
  }
}

// A report saved under such a name, and a failure naming one: the message
// names the file as the user typed it.
TEST(NamedPathsTest, ReportsAndErrorsNameTheFileAsTyped) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ScriptedPrompts prompts;
  CalcWindow window(prompts);
  const QString report = folder.filePath(QStringLiteral("報告_보고서.txt"));
  prompts.QueueFileName(report);
  window.action(Command::kTextReport).trigger();
  EXPECT_EQ(ReadAll(report), TextReport(window.encounter()));

  // A folder under a regular file cannot be written into.
  const QString blocked = folder.filePath(QStringLiteral("山田/名簿.qvr"));
  WriteAll(folder.filePath(QStringLiteral("山田")), "a file, not a folder");
  prompts.QueueFileName(blocked);
  window.action(Command::kSaveAs).trigger();
  ASSERT_EQ(prompts.errors.size(), 1);
  EXPECT_TRUE(prompts.errors[0].contains(blocked)) << prompts.errors[0].toStdString();
  EXPECT_TRUE(prompts.Exhausted());
}

// Sets a variable to a path as the platform's own functions read it back.
void SetPathVariable(const char* variable, const QString& path) {
#ifdef _WIN32
  SetEnvironmentVariableW(QString::fromLatin1(variable).toStdWString().c_str(),
                          path.toStdWString().c_str());
#else
  setenv(variable, QFile::encodeName(path).constData(), 1);
#endif
}

// A profile folder such as C:\Users\山田: the table is kept there, found at
// the next start, and 前回の内容を復元 brings it back.
TEST(NamedPathsTest, TableKeptUnderNonAsciiProfileFolderIsFoundAgain) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QString state = home.filePath(QStringLiteral("山田/상태"));
  ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("山田"))));  // the profile exists
  const QString before = qEnvironmentVariable("XDG_STATE_HOME");
  SetPathVariable("XDG_STATE_HOME", state);
  EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(TableKeeper::Path())),
            state + QStringLiteral("/zelmora/table.qvr"));

  ScriptedPrompts prompts;
  {
    CalcWindow typed(prompts);
    typed.keeper().Start(5);
    ShowActive(typed);
    testing::ChangeTable(typed, FillSampleTable);
    QSignalSpy written(&typed.keeper(), &TableKeeper::Written);
    Retype(&typed.grid().attacker(3).judgment().LineEdit(), "64");
    ASSERT_TRUE(written.wait(5000));
    EXPECT_TRUE(QFileInfo(state + QStringLiteral("/zelmora/table.qvr")).isFile());

    CalcWindow next(prompts);
    ASSERT_TRUE(next.action(Command::kRestoreKept).isEnabled());
    next.action(Command::kRestoreKept).trigger();
    EXPECT_TRUE(SameTable(next.encounter(), typed.encounter()));
    EXPECT_EQ(next.encounter().attacker(3).judgment_value, 64);
  }
  EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
  SetPathVariable("XDG_STATE_HOME", before);
}

}  // namespace
}  // namespace zelmora
