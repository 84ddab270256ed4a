#pragma once

#include <QObject>
#include <functional>

namespace zelmora {

// Calls `keep` from the event loop when the system ends the program from
// outside (on Linux SIGTERM, SIGHUP at logout, or SIGINT and SIGQUIT from
// the terminal it was started in; on Windows the session ending), so that what must not be lost is
// written first. On Linux the program then ends as the signal would have ended it; on Windows the
// session ends it. `context` owns the watch; call this once.
void OnEndRequested(QObject* context, std::function<void()> keep);

}  // namespace zelmora
