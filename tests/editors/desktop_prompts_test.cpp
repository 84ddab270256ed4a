#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "editors/prompts.h"

namespace zelmora {
namespace {

// Answers the next modal dialog of type `Dialog` once it is up: `answer`
// inspects and closes it. A dialog that never comes fails the test instead
// of hanging it.
template <class Dialog>
void WhenOpens(std::function<void(Dialog&)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer, tries = 0]() mutable {
    auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!modal && ++tries <= 500) return;
    timer->stop();
    timer->deleteLater();
    if (!modal) {
      ADD_FAILURE() << "the expected dialog did not open";
      return;
    }
    answer(*modal);
  });
  timer->start(10);
}

// Types a path into a file dialog's name field, as the user would.
void TypeFileName(QFileDialog& dialog, const QString& path) {
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  name->setText(path);
}

TEST(DesktopPromptsTest, RunExecutesTheDialogAndReturnsItsResult) {
  DesktopPrompts prompts;
  QDialog dialog;
  WhenOpens<QDialog>([](QDialog& modal) { modal.accept(); });
  EXPECT_EQ(prompts.Run(dialog), QDialog::Accepted);
  WhenOpens<QDialog>([](QDialog& modal) { modal.reject(); });
  EXPECT_EQ(prompts.Run(dialog), QDialog::Rejected);
}

TEST(DesktopPromptsTest, FileDialogsUseTheFilterAndSuffixAndGiveThePickedPath) {
  DesktopPrompts prompts;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("party"));
  WhenOpens<QFileDialog>([&](QFileDialog& modal) {
    QFileDialog* dialog = &modal;
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("QVR Files (*.qvr)"),
                                                  QStringLiteral("All Files (*.*)")}));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("qvr"));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    TypeFileName(*dialog, path);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(prompts.SaveFileName(nullptr, RosterFileChoice()), path + QStringLiteral(".qvr"));

  WhenOpens<QFileDialog>([](QFileDialog& modal) {
    QFileDialog* dialog = &modal;
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->nameFilters().size(), 3);
    dialog->reject();
  });
  EXPECT_TRUE(prompts.OpenFileName(nullptr, MonsterSheetFileChoice()).isEmpty());
}

TEST(DesktopPromptsTest, SavingOverAnExistingFileAsksFirst) {
  DesktopPrompts prompts;
  QTemporaryDir folder;
  const QString existing = folder.filePath(QStringLiteral("party.qvr"));
  QFile(existing).open(QIODevice::WriteOnly);
  bool asked = false;
  WhenOpens<QFileDialog>([&](QFileDialog& modal) {
    QFileDialog* dialog = &modal;
    TypeFileName(*dialog, existing);
    // The question comes up inside accept(); saying No keeps the file dialog
    // open, which is then cancelled.
    WhenOpens<QMessageBox>([&](QMessageBox& box) {
      asked = true;
      WhenOpens<QFileDialog>([](QFileDialog& still_open) { still_open.reject(); });
      box.button(QMessageBox::No)->click();
    });
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_TRUE(prompts.SaveFileName(nullptr, RosterFileChoice()).isEmpty());
  EXPECT_TRUE(asked);
}

TEST(DesktopPromptsTest, ErrorIsAWarningBoxWithTheMessage) {
  DesktopPrompts prompts;
  WhenOpens<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_EQ(box.text(), QStringLiteral("party.qvr: Permission denied"));
    box.accept();
  });
  prompts.ShowError(nullptr, QStringLiteral("party.qvr: Permission denied"));
}

}  // namespace
}  // namespace zelmora
