// main() of the GUI test programs: an offscreen QApplication unless a real
// display was asked for, a private runtime folder for Qt, and Qt's Japanese
// texts loaded as the program loads them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "editors/qt_translations.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir runtime_dir;
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    setenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit().constData(), 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  zelmora::LoadQtJapanese(app);
  return RUN_ALL_TESTS();
}
