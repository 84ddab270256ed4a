#include "window/calc_app.h"

#include <QCoreApplication>

#include "gui/qt_translations.h"
#include "window/calc_window.h"

namespace zelmora {

void CalcApp::Run(const QString& roster_path, const Preparation& prepare) {
  // Before the first widget, so that Qt's own dialogs speak Japanese too.
  LoadQtJapanese(*QCoreApplication::instance());
  CalcWindow window(prompts_);
  if (!roster_path.isEmpty()) window.LoadRoster(roster_path);
  if (prepare) {
    prepare(window.encounter());
    window.RecalculateAll();
  }
  // From here on every change is kept; the start-up itself replaces no
  // table an earlier run kept.
  window.keeper().Start();
  prompts_.Run(window);
}

}  // namespace zelmora
