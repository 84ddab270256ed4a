#pragma once

#include <QIcon>

namespace zelmora {

// The program's icon (resource 128): the large and the small window icon.
QIcon AppIcon();

}  // namespace zelmora
