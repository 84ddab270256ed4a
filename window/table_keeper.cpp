#include "window/table_keeper.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtGlobal>

#include "files/file_io.h"
#include "files/kept_table.h"
#include "gui/file_error_message.h"

namespace zelmora {

TableKeeper::TableKeeper(const Encounter& encounter) : encounter_(encounter) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TableKeeper::WriteNow);
}

QString TableKeeper::Path() {
  QString folder = qEnvironmentVariable("XDG_STATE_HOME");
  // XDG base directories must be absolute: a relative one is ignored.
  if (folder.isEmpty() || QDir::isRelativePath(folder)) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  }
  // Without a home there is no folder of the user's to keep the table in.
  if (folder.isEmpty()) return {};
  return folder + QStringLiteral("/zelmora/table.qvr");
}

bool TableKeeper::Exists() {
  const QString path = Path();
  return !path.isEmpty() && QFileInfo(path).isFile();
}

void TableKeeper::Start(int delay_ms) {
  timer_.setInterval(delay_ms);
  started_ = true;
}

// The timer is not restarted by later changes, so typing without a pause
// still gets written within the delay.
void TableKeeper::Changed() {
  if (!started_) return;
  pending_ = true;
  if (!timer_.isActive()) timer_.start();
}

void TableKeeper::WriteNow() {
  timer_.stop();
  if (!pending_) return;
  const QString path = Path();
  if (path.isEmpty()) return;
  QDir().mkpath(QFileInfo(path).path());
  // Still pending after a failure, so that closing tries once more.
  if (const auto error = WriteFileSafely(FilePathBytes(path), KeptTableBytes(encounter_))) {
    if (!warned_) qWarning("%s", qUtf8Printable(WriteErrorMessage(*error)));
    warned_ = true;
    return;
  }
  pending_ = false;
  emit Written();
}

}  // namespace zelmora
