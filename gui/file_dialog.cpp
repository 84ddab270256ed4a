#include "gui/file_dialog.h"

#include <QFileInfo>
#include <QLineEdit>

namespace zelmora {

FileDialog::FileDialog(QWidget* parent, const FileChoice& choice, AcceptMode mode)
    : QFileDialog(parent), open_suffix_(mode == AcceptOpen ? choice.default_suffix : QString()) {
  setOption(DontUseNativeDialog);
  setAcceptMode(mode);
  setFileMode(mode == AcceptSave ? AnyFile : ExistingFile);
  setNameFilter(choice.filter);
  // Qt would add the suffix to every typed name without one, even to a file
  // that exists as typed; an open dialog adds it itself in accept().
  if (mode == AcceptSave) setDefaultSuffix(choice.default_suffix);
  setOption(DontConfirmOverwrite, false);
}

// The name is completed in the name field itself, where Qt reads it from;
// selectFile() leaves a field that has the focus alone.
void FileDialog::accept() {
  auto* typed = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const QStringList chosen = selectedFiles();
  if (!open_suffix_.isEmpty() && typed && chosen.size() == 1) {
    const QFileInfo file(chosen.constFirst());
    if (!file.exists() && !file.fileName().contains(u'.')) {
      typed->setText(typed->text() + u'.' + open_suffix_);
    }
  }
  QFileDialog::accept();
}

}  // namespace zelmora
