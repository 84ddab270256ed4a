#include "gui/file_dialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>

namespace zelmora {
namespace {

const QString kLastFolderKey = QStringLiteral("lastFolder");

}  // namespace

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
  const QString folder = LastFolder();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) setDirectory(folder);
  if (mode == AcceptSave && !choice.suggested_name.isEmpty()) {
    selectFile(choice.suggested_name + u'.' + choice.default_suffix);
  }
}

QString FileDialog::LastFolder() { return QSettings().value(kLastFolderKey).toString(); }

void FileDialog::RememberFolder(const QString& chosen_file) {
  QSettings().setValue(kLastFolderKey, QFileInfo(chosen_file).absolutePath());
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
