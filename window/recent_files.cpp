#include "window/recent_files.h"

#include <QFileInfo>

#include "gui/user_settings.h"

namespace zelmora {
namespace {

const QString kKey = QStringLiteral("recentFiles");

void Store(const QStringList& paths) { UserSettings().setValue(kKey, paths); }

}  // namespace

QStringList RecentFiles::List() {
  QStringList paths = UserSettings().value(kKey).toStringList();
  paths.removeAll(QString());
  return paths.mid(0, kLimit);
}

// Entries are absolute, so that the same file reached two ways is one entry
// and the list still works after the working folder changed.
void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList paths = List();
  paths.removeAll(absolute);
  paths.prepend(absolute);
  Store(paths.mid(0, kLimit));
}

void RecentFiles::Remove(const QString& path) {
  QStringList paths = List();
  paths.removeAll(QFileInfo(path).absoluteFilePath());
  Store(paths);
}

}  // namespace zelmora
