// main() of the GUI test programs: an offscreen QApplication unless a real
// display was asked for, a private runtime folder for Qt, a private home
// whose settings and state folders no test can mistake for the user's, and
// Qt's Japanese texts loaded as the program loads them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/qt_translations.h"

int main(int argc, char** argv) {
  // Set here rather than by the test runner: Wine drops QT_ variables.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime_dir;
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
    qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toUtf8());
  }
  QTemporaryDir home;
  const QByteArray home_path = home.path().toUtf8();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    qputenv(name, home_path + '/' + name);
  }
  // A file in the private home on every platform: Windows's native settings
  // are the registry, which no path moves.
  QSettings::setDefaultFormat(QSettings::IniFormat);
  for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope,
                       QString::fromUtf8(home_path + "/XDG_CONFIG_HOME"));
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  zelmora::LoadQtJapanese(app);
  return RUN_ALL_TESTS();
}
