#include "window/calc_app.h"

#include <QCoreApplication>

#include "gui/file_error_message.h"
#include "gui/qt_translations.h"
#include "window/calc_window.h"

namespace zelmora {

void CalcApp::Run(const QString& roster_path, const Preparation& prepare) {
  RunWithRosterBytes(roster_path.isEmpty() ? std::string() : FilePathBytes(roster_path), prepare);
}

void CalcApp::RunWithRosterBytes(const std::string& roster_path, const Preparation& prepare) {
  // Before the first widget, so that Qt's own dialogs speak Japanese too.
  LoadQtJapanese(*QCoreApplication::instance());
  CalcWindow window(prompts_);
  if (!roster_path.empty()) window.LoadRosterBytes(roster_path);
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
