#include "gui/prompts.h"

#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

#include "gui/cp932_qstring.h"
#include "gui/file_dialog.h"
#include "gui/native_file_dialog.h"
#include "gui/screen_fit.h"

namespace zelmora {
namespace {

QString AskFileName(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
  QString path;
  if (auto native = NativeFileName(parent, choice, mode == QFileDialog::AcceptSave,
                                   FileDialog::LastFolder())) {
    if (native->isEmpty()) return {};
    path = std::move(*native);
  } else {
    FileDialog dialog(parent, choice, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    path = dialog.selectedFiles().constFirst();
  }
  FileDialog::RememberFolder(path);
  return path;
}

}  // namespace

FileChoice RosterFileChoice() {
  return {QStringLiteral("qvr"), QStringLiteral("QVR ファイル (*.qvr);;全てのファイル (*)")};
}
FileChoice MonsterSheetFileChoice() {
  return {QStringLiteral("qvm"), QStringLiteral("QVM ファイル (*.qvm);;テキストファイル "
                                                "(*.txt);;全てのファイル (*)")};
}
FileChoice TextReportFileChoice() {
  return {QStringLiteral("txt"), QStringLiteral("テキストファイル (*.txt);;全てのファイル (*)")};
}
FileChoice HtmlReportFileChoice() {
  return {QStringLiteral("htm"), QStringLiteral("HTML ファイル (*.htm);;全てのファイル (*)")};
}

QString SuggestedName(const QString& roster, const std::string& first_attacker_name) {
  if (!roster.isEmpty()) return QFileInfo(roster).completeBaseName();
  QString name = QStringFromCp932(first_attacker_name).trimmed();
  // Characters no file name may hold on Linux or Windows, and control ones.
  for (QChar& c : name) {
    if (c < u' ' || QStringLiteral("/\\:*?\"<>|").contains(c)) c = u'_';
  }
  return name;
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

int DesktopPrompts::Run(QDialog& dialog) {
  FitToScreen(dialog);
  return dialog.exec();
}

}  // namespace zelmora
