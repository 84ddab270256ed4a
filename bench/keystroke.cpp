// Keystrokes in row 3's judgment value, each with all it causes: the line
// edit's own work, the change handler, the recalculation of the row against
// five defenders, the cells whose values changed and the repaint (the
// events are processed after each key). A digit and its deletion alternate,
// so that every keystroke changes the value and the results.
//   keystroke COUNT
// bench/keystroke.sh counts the instructions of TypeKeystrokes alone under
// callgrind and divides them by COUNT; the window's start is not counted.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <charconv>
#include <cstring>

#include "bench/key_press.h"
#include "bench/silent_prompts.h"
#include "window/calc_window.h"

namespace zelmora {

namespace {

void Type(QLineEdit& edit, int count) {
  for (int i = 0; i < count; ++i) {
    if (i % 2 == 0) {
      Press(edit, Qt::Key_7, QStringLiteral("7"));
    } else {
      Press(edit, Qt::Key_Backspace, {});
    }
    QApplication::processEvents();
  }
}

}  // namespace

// Kept out of line under its own name: callgrind collects from its entry to
// its return only.
[[gnu::noinline]] void TypeKeystrokes(QLineEdit& edit, int count) { Type(edit, count); }

}  // namespace zelmora

int main(int argc, char** argv) {
  int count = 0;
  if (argc != 2 ||
      std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), count).ec != std::errc{} ||
      count < 1) {
    return 2;
  }
  // The user's own view settings neither change the figure nor get changed.
  QTemporaryDir settings_dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
  QApplication app(argc, argv);
  zelmora::SilentPrompts prompts;
  zelmora::CalcWindow window(prompts);
  QLineEdit& judgment = zelmora::FocusSampleJudgment(window);
  // The first keystrokes make what a line edit makes only once (its undo
  // stack, the cursor's blink timer): not part of a keystroke's cost.
  zelmora::Type(judgment, 2);
  zelmora::TypeKeystrokes(judgment, count);
  return 0;
}
