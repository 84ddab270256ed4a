#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;

namespace zelmora {

// Lets a roster file dropped anywhere on the window load it. Files of any
// other kind, and several files at once, are refused: the drop then changes
// nothing, not even the text of the cell it fell on. Dragged text that is
// not a file goes on to the cell as before.
class RosterDrop : public QObject {
  Q_OBJECT

 public:
  explicit RosterDrop(std::function<void(const QString&)> load, QObject* parent = nullptr);

  // The one local ".qvr" file the data names, or an empty string.
  static QString RosterPath(const QMimeData& data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> load_;
};

}  // namespace zelmora
