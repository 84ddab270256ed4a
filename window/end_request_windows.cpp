#include "window/end_request.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace zelmora {

// A desktop program on Windows has no console to be closed and gets no
// signals: logging off or shutting down asks it through the session, and Qt
// passes that on as a request to commit data before the session ends it.
void OnEndRequested(QObject* context, std::function<void()> keep) {
  QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, context,
                   [keep = std::move(keep)](QSessionManager&) { keep(); });
}

}  // namespace zelmora
