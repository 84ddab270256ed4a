// A logout or a polite kill (SIGHUP, SIGTERM) ends the program only after
// the edits still waiting for their delay are kept.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "files/kept_table.h"

namespace zelmora {
namespace {

TEST(KeptTableSignalTest, TerminationSignalsKeepThePendingEditsFirst) {
  for (const int signal_number : {SIGTERM, SIGHUP}) {
    QTemporaryDir state;
    ASSERT_TRUE(state.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_STATE_HOME", state.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(KEPT_TABLE_EDITOR, {"600000"});  // nothing kept for ten minutes
    ASSERT_TRUE(editor.waitForReadyRead(20000));
    ASSERT_EQ(editor.readLine().trimmed(), "ready");
    ::kill(static_cast<pid_t>(editor.processId()), signal_number);
    ASSERT_TRUE(editor.waitForFinished(20000));
    EXPECT_EQ(editor.exitStatus(), QProcess::CrashExit);  // ended by the signal itself
    EXPECT_EQ(editor.exitCode(), signal_number);

    QFile file(state.filePath("zelmora/table.qvr"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << signal_number;
    Encounter kept;
    ASSERT_EQ(ReadKeptTable(file.readAll().toStdString(), kept), KeptTableProblem::kNone);
    EXPECT_GE(kept.attacker(1).judgment_value, 1);
    EXPECT_EQ(ShowModifiers(kept.modifiers())[0], kept.attacker(1).judgment_value);
  }
}

}  // namespace
}  // namespace zelmora
