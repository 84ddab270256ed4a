#include "gui/file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "gui/user_settings.h"

namespace zelmora {
namespace {

const QString kLastFolderKey = QStringLiteral("lastFolder");

// Earlier versions kept the last folder apart from the other settings, in
// Qt's place for a program without an organisation, under the window
// program's name: it is taken over once and that file removed when it holds
// nothing else.
QString TakeEarlierLastFolder() {
  QSettings earlier(QSettings::defaultFormat(), QSettings::UserScope,
                    QStringLiteral("Unknown Organization"), QStringLiteral("zelmora-window"));
  QString folder = earlier.value(kLastFolderKey).toString();
  if (folder.isEmpty()) return {};
  earlier.remove(kLastFolderKey);
  earlier.sync();
  if (earlier.allKeys().isEmpty() && QFileInfo(earlier.fileName()).isFile()) {
    QFile::remove(earlier.fileName());
    QDir().rmdir(QFileInfo(earlier.fileName()).path());
  }
  return folder;
}

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

QString FileDialog::LastFolder() {
  UserSettings settings;
  if (settings.contains(kLastFolderKey)) return settings.value(kLastFolderKey).toString();
  QString earlier = TakeEarlierLastFolder();
  if (!earlier.isEmpty()) settings.setValue(kLastFolderKey, earlier);
  return earlier;
}

void FileDialog::RememberFolder(const QString& chosen_file) {
  UserSettings().setValue(kLastFolderKey, QFileInfo(chosen_file).absolutePath());
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
