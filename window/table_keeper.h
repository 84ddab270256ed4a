#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "files/file_io.h"

namespace zelmora {

// Keeps the window's table in the user's state folder so that a table lost
// by closing the window can be restored at the next start. A change is
// written a moment later, several quick changes at once; closing writes
// what is still pending, and so does the system ending the program
// (window/end_request.h). Nothing is written until keeping starts, so a window
// only looked at never replaces the table kept by an earlier run.
class TableKeeper : public QObject {
  Q_OBJECT

 public:
  // Written at most this long after the first change that is not yet kept.
  static constexpr int kDefaultDelayMs = 700;

  // `bytes` makes the kept table's bytes as the table stands when written.
  explicit TableKeeper(std::function<std::string()> bytes);
  ~TableKeeper() override;

  // "zelmora/table.qvr" in the user's state folder (files/user_folders.h),
  // whether or not a table is kept there yet; empty when the user has no
  // such folder.
  static QString Path();
  static bool Exists();

  // Starts keeping; a state folder that cannot be used is reported once,
  // through Unusable, when the first change is to be kept, and the window
  // goes on without a kept table.
  void Start(int delay_ms = kDefaultDelayMs);
  // The table changed: it is written when the delay has run out.
  void Changed();
  // Writes a pending change now.
  void WriteNow();

 signals:
  void Written();
  // Why the table is not kept, in a sentence for the window to show.
  void Unusable(const QString& message);

 private:
  void WarnOnce(const FileError& error);

  std::function<std::string()> bytes_;
  QTimer timer_;
  bool started_ = false;
  bool watching_end_ = false;  // the system's end of the program is watched
  bool pending_ = false;
  bool warned_ = false;  // a failing folder is reported once, not at every change
};

}  // namespace zelmora
