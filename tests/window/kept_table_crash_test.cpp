// The kept table survives the program being killed at any moment: what is
// on disk is always one whole table of one moment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "files/kept_table.h"

namespace zelmora {
namespace {

TEST(KeptTableCrashTest, EditorKilledAtRandomMomentsLeavesAWholeTableOfOneStep) {
  QTemporaryDir state;
  ASSERT_TRUE(state.isValid());
  const QString kept_path = state.filePath("zelmora/table.qvr");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_STATE_HOME", state.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");

  std::mt19937 random(2024);
  std::uniform_int_distribution<int> delay_us(0, 40000);
  int latest_step = 0, killed_mid_write = 0;
  for (int round = 0; round < 25; ++round) {
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(KEPT_TABLE_EDITOR, {});
    ASSERT_TRUE(editor.waitForReadyRead(20000)) << "round " << round;
    ASSERT_EQ(editor.readLine().trimmed(), "ready");
    usleep(static_cast<useconds_t>(delay_us(random)));
    editor.kill();  // SIGKILL
    ASSERT_TRUE(editor.waitForFinished(20000));

    QFile file(kept_path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round;
    Encounter kept;
    ASSERT_EQ(ReadKeptTable(file.readAll().toStdString(), kept), KeptTableProblem::kNone)
        << "round " << round;
    const std::int32_t step = kept.attacker(1).judgment_value;
    EXPECT_GE(step, 1);
    ShownModifiers expected;
    expected.fill(step);
    EXPECT_EQ(ShowModifiers(kept.modifiers()), expected) << "round " << round;
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      EXPECT_EQ(kept.attacker(slot).evasion_kind, step % 4) << "round " << round;
      EXPECT_EQ(kept.attacker(slot).name.size(), 30000u);
    }
    latest_step = std::max(latest_step, step);
    // A temporary file left beside the table is a write the kill cut short.
    const QStringList files = QDir(state.filePath("zelmora")).entryList(QDir::Files | QDir::Hidden);
    killed_mid_write += files.size() > 1 ? 1 : 0;
    for (const QString& name : files) {
      if (name != "table.qvr") QFile::remove(state.filePath("zelmora/" + name));
    }
  }
  RecordProperty("latest_step", latest_step);
  RecordProperty("killed_mid_write", killed_mid_write);
}

}  // namespace
}  // namespace zelmora
