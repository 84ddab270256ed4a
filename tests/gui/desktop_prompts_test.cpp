#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "gui/dialog_buttons.h"
#include "gui/dialog_lines.h"
#include "gui/prompts.h"

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

// A dialog laid out as the program's are: `count` fields in a column fixed
// to its size, and a row of buttons at its foot. Field `focused` has the
// focus.
void LayOutFields(QDialog& dialog, int count, int focused) {
  auto* lines = new QVBoxLayout(&dialog);
  for (int i = 0; i < count; ++i) lines->addWidget(NewField(dialog, 120));
  lines->addWidget(new DialogButtons(dialog, DialogButtons::Kind::kOkCancel));
  FixToContents(*lines, 160);
  dialog.findChildren<QLineEdit*>().at(focused)->setFocus();
}

// What a user of a dialog too tall for the screen needs: the dialog on the
// screen, its buttons in view outside the scroll area, the focus where the
// dialog put it, and each field brought into view as Tab reaches it.
void ExpectScrollsWithButtonsInView(QDialog& modal, int focused) {
  auto* scroll = modal.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(modal.screen()->availableGeometry().contains(modal.frameGeometry()));
  auto* buttons = modal.findChild<DialogButtons*>();
  EXPECT_TRUE(buttons->isVisible());
  EXPECT_FALSE(scroll->isAncestorOf(buttons));
  const QList<QLineEdit*> fields = modal.findChildren<QLineEdit*>();
  // A busy machine can run the answering timer before the window system has
  // activated the dialog and given it the keyboard.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&modal));
  EXPECT_EQ(QApplication::focusWidget(), fields.at(focused));
  for (int i = focused + 1; i < fields.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), fields.back());
  const QPoint scrolled(scroll->horizontalScrollBar()->value(),
                        scroll->verticalScrollBar()->value());
  EXPECT_TRUE(scroll->viewport()->rect().contains(fields.back()->geometry().translated(-scrolled)));
}

// The offscreen screen is 800 by 600 pixels: 40 fields do not fit on it and
// scroll; 3 do, and the dialog is shown as it was laid out.
TEST(DesktopPromptsTest, ADialogTallerThanTheScreenScrollsWithItsButtonsInView) {
  DesktopPrompts prompts;
  QDialog tall;
  LayOutFields(tall, 40, 20);
  ASSERT_GT(tall.sizeHint().height(), tall.screen()->availableGeometry().height());
  WhenOpens<QDialog>([](QDialog& modal) {
    ExpectScrollsWithButtonsInView(modal, 20);
    modal.accept();
  });
  EXPECT_EQ(prompts.Run(tall), QDialog::Accepted);

  QDialog small;
  LayOutFields(small, 3, 0);
  const QSize laid_out = small.size();
  WhenOpens<QDialog>([laid_out](QDialog& modal) {
    EXPECT_EQ(modal.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(modal.size(), laid_out);
    modal.accept();
  });
  prompts.Run(small);
}

TEST(DesktopPromptsTest, FileDialogsUseTheFilterAndSuffixAndGiveThePickedPath) {
  DesktopPrompts prompts;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("party"));
  WhenOpens<QFileDialog>([&](QFileDialog& modal) {
    QFileDialog* dialog = &modal;
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("QVR ファイル (*.qvr)"),
                                                  QStringLiteral("全てのファイル (*)")}));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("qvr"));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    // Qt's own texts in Japanese, whatever the locale of the test run.
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("名前を付けて保存"));
    EXPECT_EQ(dialog->labelText(QFileDialog::FileName), QStringLiteral("ファイル名(&N):"));
    EXPECT_EQ(dialog->labelText(QFileDialog::Reject), QStringLiteral("キャンセル"));
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
      EXPECT_TRUE(box.text().contains(QStringLiteral("は既に存在します。")))
          << box.text().toStdString();
      EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
      WhenOpens<QFileDialog>([](QFileDialog& still_open) { still_open.reject(); });
      box.button(QMessageBox::No)->click();
    });
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_TRUE(prompts.SaveFileName(nullptr, RosterFileChoice()).isEmpty());
  EXPECT_TRUE(asked);
}

// Whether the file list of a file dialog shows `name` now.
bool Shows(const QFileDialog& dialog, const QString& name) {
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  if (!list) return false;
  const QModelIndex root = list->rootIndex();
  for (int row = 0; row < list->model()->rowCount(root); ++row) {
    if (list->model()->index(row, 0, root).data().toString() == name) return true;
  }
  return false;
}

// The same, once the folder has been read in the background.
bool Lists(const QFileDialog& dialog, const QString& name) {
  return QTest::qWaitFor([&] { return Shows(dialog, name); }, 2000);
}

TEST(DesktopPromptsTest, AllFilesListsNamesWithoutADot) {
  DesktopPrompts prompts;
  QTemporaryDir folder;
  QFile(folder.filePath(QStringLiteral("party"))).open(QIODevice::WriteOnly);
  QFile(folder.filePath(QStringLiteral("goblins.qvr"))).open(QIODevice::WriteOnly);
  WhenOpens<QFileDialog>([&](QFileDialog& dialog) {
    dialog.setDirectory(folder.path());
    EXPECT_TRUE(Lists(dialog, QStringLiteral("goblins.qvr")));
    EXPECT_FALSE(Shows(dialog, QStringLiteral("party")));  // not a roster by its name
    dialog.selectNameFilter(QStringLiteral("全てのファイル (*)"));
    EXPECT_TRUE(Lists(dialog, QStringLiteral("party")));
    dialog.reject();
  });
  prompts.OpenFileName(nullptr, RosterFileChoice());
}

TEST(DesktopPromptsTest, OpenTakesAnExistingNameAsTypedAndAddsTheSuffixOnlyToAMissingOne) {
  DesktopPrompts prompts;
  QTemporaryDir folder;
  const QString bare = folder.filePath(QStringLiteral("party"));
  const QString roster = folder.filePath(QStringLiteral("goblins.qvr"));
  QFile(bare).open(QIODevice::WriteOnly);
  QFile(roster).open(QIODevice::WriteOnly);
  const auto open_typed = [&](const QString& typed) {
    WhenOpens<QFileDialog>([typed](QFileDialog& dialog) {
      TypeFileName(dialog, typed);
      static_cast<QDialog&>(dialog).accept();
    });
    return prompts.OpenFileName(nullptr, RosterFileChoice());
  };
  EXPECT_EQ(open_typed(bare), bare);
  EXPECT_EQ(open_typed(folder.filePath(QStringLiteral("goblins"))), roster);

  // Missing either way: Qt's warning names the suffixed file, in Japanese,
  // and the dialog stays open.
  bool warned = false;
  WhenOpens<QFileDialog>([&](QFileDialog& dialog) {
    TypeFileName(dialog, folder.filePath(QStringLiteral("orcs")));
    WhenOpens<QMessageBox>([&](QMessageBox& box) {
      warned = true;
      EXPECT_TRUE(box.text().contains(QStringLiteral("orcs.qvr")));
      EXPECT_TRUE(box.text().contains(QStringLiteral("ファイルが見つかりません。")));
      WhenOpens<QFileDialog>([](QFileDialog& still_open) { still_open.reject(); });
      box.accept();
    });
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_TRUE(prompts.OpenFileName(nullptr, RosterFileChoice()).isEmpty());
  EXPECT_TRUE(warned);
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
