#include "window/roster_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <utility>

namespace zelmora {

RosterDrop::RosterDrop(std::function<void(const QString&)> load, QObject* parent)
    : QObject(parent), load_(std::move(load)) {}

QString RosterDrop::RosterPath(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  QString path = urls.front().toLocalFile();
  if (QFileInfo(path).suffix().compare(QStringLiteral("qvr"), Qt::CaseInsensitive) != 0) return {};
  return path;
}

bool RosterDrop::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return QObject::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData()->hasUrls()) return false;
  const QString path = RosterPath(*drop->mimeData());
  if (path.isEmpty()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) load_(path);
  return true;
}

}  // namespace zelmora
