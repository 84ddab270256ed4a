// A logout, a polite kill or the keys of the terminal that started it
// (SIGHUP, SIGTERM, SIGINT, SIGQUIT) end the program only after the edits
// still waiting for their delay are kept.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "files/kept_table.h"

namespace zelmora {
namespace {

TEST(KeptTableSignalTest, TerminationSignalsKeepThePendingEditsFirst) {
  // A shell's background job ignores the terminal's keys, and a program
  // started there inherits that: the editor is started as a terminal's
  // foreground program would be, and writes no core file for SIGQUIT.
  signal(SIGINT, SIG_DFL);
  signal(SIGQUIT, SIG_DFL);
  const rlimit no_core{0, 0};
  setrlimit(RLIMIT_CORE, &no_core);
  for (const int signal_number : {SIGTERM, SIGHUP, SIGINT, SIGQUIT}) {
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
