#include "gui/file_error_message.h"

#include <QString>

namespace zelmora {
namespace {

QString Fill(const QString& pattern, const FileError& error) {
  return pattern.arg(FilePathText(error.path), QString::fromStdString(error.reason));
}

}  // namespace

QString ReadErrorMessage(const FileError& error) {
  return Fill(QStringLiteral("ファイル「%1」を読み込めませんでした。\n%2"), error);
}

QString WriteErrorMessage(const FileError& error) {
  return Fill(QStringLiteral("ファイル「%1」に書き込めませんでした。\n%2"), error);
}

QString Utf8RosterNotice(const QString& path) {
  return QStringLiteral(
             "ファイル「%1」はシフトJISではないため、UTF-8として読み込みました。"
             "名称はシフトJISに変換しています。")
      .arg(path);
}

}  // namespace zelmora
