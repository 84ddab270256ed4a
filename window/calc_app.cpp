#include "window/calc_app.h"

#include <QApplication>

#include "gui/qt_translations.h"
#include "window/calc_window.h"

namespace zelmora {

CalcApp::CalcApp(Prompts& prompts) : prompts_(prompts) {}

CalcApp::~CalcApp() = default;

CalcWindow& CalcApp::Open(const QString& roster_path, const Preparation& prepare) {
  // Before the first widget, so that Qt's own dialogs speak Japanese too.
  LoadQtJapanese(*QCoreApplication::instance());
  window_ = std::make_unique<CalcWindow>(prompts_);
  if (roster_path.isEmpty()) {
    window_->RestoreKeptTableAtStart();
  } else {
    window_->LoadRoster(roster_path);
  }
  window_->ForgetHistory();
  if (prepare) {
    prepare(window_->encounter());
    window_->RecalculateAll();
  }
  // From here on every change is kept; the start-up itself replaces no
  // table an earlier run kept.
  window_->keeper().Start();
  window_->ShowOnScreen();
  return *window_;
}

void CalcApp::Run(const QString& roster_path, const Preparation& prepare) {
  Open(roster_path, prepare);
  QApplication::exec();
}

}  // namespace zelmora
