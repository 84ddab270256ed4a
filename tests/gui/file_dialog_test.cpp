#include "gui/file_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/support/test_text.h"

namespace zelmora {
namespace {

// A save dialog offers the roster's name, or the first attacker's made fit
// for a file name, in the folder last chosen, which outlives the dialog.
TEST(FileDialogTest, StartsInTheLastFolderAndOffersTheSuggestedName) {
  QTemporaryDir folder;
  FileDialog::RememberFolder(folder.filePath(QStringLiteral("old.qvr")));
  struct Case {
    QString roster;
    std::string attacker;
    QString offered;
  };
  for (const Case& c :
       {Case{QStringLiteral("/x/party.v2.qvr"), "a", QStringLiteral("party.v2")},
        Case{QString(), testing::Cp932("魔術師/リナ?"), QStringLiteral("魔術師_リナ_")},
        Case{QString(), "", QString()}}) {
    const FileChoice choice = RosterFileChoice().Suggesting(SuggestedName(c.roster, c.attacker));
    EXPECT_EQ(choice.suggested_name, c.offered);
    FileDialog dialog(nullptr, choice, QFileDialog::AcceptSave);
    EXPECT_EQ(QDir(dialog.directory()), QDir(folder.path()));
    if (!c.offered.isEmpty()) {
      EXPECT_EQ(dialog.selectedFiles().value(0), folder.filePath(c.offered + ".qvr"));
    }
  }
  EXPECT_EQ(FileDialog::LastFolder(), folder.path());
  EXPECT_TRUE(MonsterSheetFileChoice().filter.startsWith(QStringLiteral("QVM ファイル (*.qvm);;")));
}

}  // namespace
}  // namespace zelmora
