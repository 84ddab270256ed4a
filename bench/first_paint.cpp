// Runs up to the first painted window and ends: "window ROSTER" starts the
// calculator as the program does with a roster on its command line,
// "dialog" shows a minimal dialog with one label, the yardstick of the
// start-up cost; "dialog-ja" gives that label the window's Japanese title,
// so that the yardstick loads a Japanese font as the window does.
// bench/first_paint.sh counts the instructions of each under callgrind.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <cstdlib>
#include <cstring>

#include "gui/prompts.h"
#include "window/calc_app.h"
#include "window/calc_window.h"

namespace {

// Ends the program once `window` has painted: its children paint in the
// same pass, before the loop runs again. Nothing after the first picture
// counts, not even taking the window down.
class QuitAfterPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool window = argc == 3 && std::strcmp(argv[1], "window") == 0;
  const bool japanese = argc == 2 && std::strcmp(argv[1], "dialog-ja") == 0;
  if (!window && !japanese && !(argc == 2 && std::strcmp(argv[1], "dialog") == 0)) return 2;
  QApplication app(argc, argv);
  QuitAfterPaint quit;
  if (window) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelmora.calculator"));
    zelmora::DesktopPrompts prompts;
    zelmora::CalcApp calc(prompts);
    calc.OpenWithRosterBytes(argv[2]).installEventFilter(&quit);
    return QApplication::exec();
  }
  QDialog dialog;
  QLabel label(japanese ? QStringLiteral("ZELMORA 確率計算プログラム") : QStringLiteral("ZELMORA"),
               &dialog);
  dialog.installEventFilter(&quit);
  dialog.show();
  return QApplication::exec();
}
