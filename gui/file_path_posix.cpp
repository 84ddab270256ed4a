#include "gui/file_path.h"

#include <QFile>

namespace zelmora {

// A file name is bytes; Qt reads them in the locale's encoding, as its own
// file functions do, so that a shown path names the same file to Qt.
std::string FilePathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FilePathText(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

}  // namespace zelmora
