#include "editors/prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace zelmora {
namespace {

QString AskFileName(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  dialog.setNameFilter(choice.filter);
  dialog.setDefaultSuffix(choice.default_suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

FileChoice RosterFileChoice() {
  return {QStringLiteral("qvr"), QStringLiteral("QVR Files (*.qvr);;All Files (*.*)")};
}
FileChoice MonsterSheetFileChoice() {
  return {QStringLiteral("txt"),
          QStringLiteral("TEXT Files (*.txt);;QVM Files (*.qvm);;All Files (*.*)")};
}
FileChoice TextReportFileChoice() {
  return {QStringLiteral("txt"), QStringLiteral("TEXT Files (*.txt);;All Files (*.*)")};
}
FileChoice HtmlReportFileChoice() {
  return {QStringLiteral("htm"), QStringLiteral("HTML Files (*.htm);;All Files (*.*)")};
}

QString DesktopPrompts::OpenFileName(QWidget* parent, const FileChoice& choice) {
  return AskFileName(parent, choice, QFileDialog::AcceptOpen);
}

QString DesktopPrompts::SaveFileName(QWidget* parent, const FileChoice& choice) {
  return AskFileName(parent, choice, QFileDialog::AcceptSave);
}

void DesktopPrompts::ShowError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QStringLiteral("ZELMORA"), message);
}

int DesktopPrompts::Run(QDialog& dialog) { return dialog.exec(); }

}  // namespace zelmora
