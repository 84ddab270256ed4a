#include "window/app_icon.h"

// Resources compiled into a static library are registered only when asked.
static bool RegisterIconResources() {
  Q_INIT_RESOURCE(icons);
  return true;
}

namespace zelmora {

QIcon AppIcon() {
  static const bool registered = RegisterIconResources();
  (void)registered;
  // Rendered from zelmora.svg, so that no image plug-in is needed.
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/zelmora-32.png"));
  icon.addFile(QStringLiteral(":/icons/zelmora-128.png"));
  return icon;
}

}  // namespace zelmora
