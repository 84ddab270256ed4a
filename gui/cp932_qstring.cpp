#include "gui/cp932_qstring.h"

#include "files/cp932.h"

namespace zelmora {

QString QStringFromCp932(std::string_view cp932) {
  return QString::fromStdString(Utf8FromCp932(cp932));
}

std::optional<std::string> Cp932FromQString(const QString& text) {
  return Cp932FromUtf8(text.toStdString());
}

}  // namespace zelmora
