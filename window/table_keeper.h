#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "engine/encounter.h"

namespace zelmora {

// Keeps the window's table in the user's state folder so that a table lost
// by closing the window can be restored at the next start. A change is
// written a moment later, several quick changes at once; closing writes
// what is still pending. Nothing is written until keeping starts, so a
// window only looked at never replaces the table kept by an earlier run.
class TableKeeper : public QObject {
  Q_OBJECT

 public:
  // Written at most this long after the first change that is not yet kept.
  static constexpr int kDefaultDelayMs = 700;

  explicit TableKeeper(const Encounter& encounter);

  // XDG_STATE_HOME when it is set, otherwise the user's data folder;
  // "zelmora/table.qvr" inside it; empty when the user has no such folder.
  static QString Path();
  static bool Exists();

  void Start(int delay_ms = kDefaultDelayMs);
  // The table changed: it is written when the delay has run out.
  void Changed();
  // Writes a pending change now.
  void WriteNow();

 signals:
  void Written();

 private:
  const Encounter& encounter_;
  QTimer timer_;
  bool started_ = false;
  bool pending_ = false;
  bool warned_ = false;  // a failing folder is reported once, not at every change
};

}  // namespace zelmora
