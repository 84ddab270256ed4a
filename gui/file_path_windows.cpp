#include "gui/file_path.h"

namespace zelmora {

// Never QFile::encodeName or decodeName here: they use the ANSI code page,
// which cannot hold most names (a Japanese name on a Western Windows, a
// Korean one on a Japanese Windows) and turns UTF-8 into mojibake.
std::string FilePathBytes(const QString& path) { return path.toStdString(); }

QString FilePathText(std::string_view path) {
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

}  // namespace zelmora
