// main() of the GUI test programs: an offscreen QApplication unless a real
// display was asked for, a private runtime folder for Qt, a private home
// whose settings and state folders no test can mistake for the user's, and
// Qt's Japanese texts loaded as the program loads them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "gui/qt_translations.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir runtime_dir;
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    setenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit().constData(), 1);
  }
  QTemporaryDir home;
  const QByteArray home_path = home.path().toLocal8Bit();
  for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    setenv(name, (home_path + '/' + name).constData(), 1);
  }
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLocal8Bit(home_path + "/XDG_CONFIG_HOME"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  zelmora::LoadQtJapanese(app);
  return RUN_ALL_TESTS();
}
