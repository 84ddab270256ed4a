#include "gui/prompts.h"

#include <QDialog>
#include <QMessageBox>

#include "gui/file_dialog.h"

namespace zelmora {
namespace {

QString AskFileName(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
  FileDialog dialog(parent, choice, mode);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

FileChoice RosterFileChoice() {
  return {QStringLiteral("qvr"), QStringLiteral("QVR ファイル (*.qvr);;全てのファイル (*)")};
}
FileChoice MonsterSheetFileChoice() {
  return {QStringLiteral("txt"), QStringLiteral("テキストファイル (*.txt);;QVM ファイル "
                                                "(*.qvm);;全てのファイル (*)")};
}
FileChoice TextReportFileChoice() {
  return {QStringLiteral("txt"), QStringLiteral("テキストファイル (*.txt);;全てのファイル (*)")};
}
FileChoice HtmlReportFileChoice() {
  return {QStringLiteral("htm"), QStringLiteral("HTML ファイル (*.htm);;全てのファイル (*)")};
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

void DesktopPrompts::ShowNotice(QWidget* parent, const QString& message) {
  QMessageBox::information(parent, QStringLiteral("ZELMORA"), message);
}

int DesktopPrompts::Run(QDialog& dialog) { return dialog.exec(); }

}  // namespace zelmora
