#include "gui/native_file_dialog.h"

namespace zelmora {

// Qt's own dialog is Japanese through Qt's translations on every desktop.
std::optional<QString> NativeFileName(QWidget* /*parent*/, const FileChoice& /*choice*/,
                                      bool /*save*/, const QString& /*folder*/) {
  return std::nullopt;
}

}  // namespace zelmora
