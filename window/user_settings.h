#pragma once

#include <QSettings>

namespace zelmora {

// The program's settings in the platform's usual place
// (~/.config/zelmora/zelmora.conf on Linux), whatever the executable is
// called.
class UserSettings : public QSettings {
 public:
  UserSettings()
      : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zelmora"),
                  QStringLiteral("zelmora")) {}
};

}  // namespace zelmora
