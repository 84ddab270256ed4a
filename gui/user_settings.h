#pragma once

#include <QSettings>

namespace zelmora {

// The program's settings in the platform's usual place
// (~/.config/zelmora/zelmora.conf on Linux), whatever the executable is
// called; in the format the program chose at start (on Windows a file in the
// user's application-data folder rather than the registry).
class UserSettings : public QSettings {
 public:
  UserSettings()
      : QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("zelmora"),
                  QStringLiteral("zelmora")) {}
};

}  // namespace zelmora
