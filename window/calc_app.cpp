#include "window/calc_app.h"

#include <QApplication>

#include "gui/deferred_icon_style.h"
#include "gui/file_error_message.h"
#include "gui/qt_translations.h"
#include "window/calc_window.h"

namespace zelmora {

CalcApp::CalcApp(Prompts& prompts) : prompts_(prompts) {
  QApplication::setStyle(new DeferredIconStyle);
}

CalcApp::~CalcApp() = default;

CalcWindow& CalcApp::Open(const QString& roster_path, const Preparation& prepare) {
  return OpenWithRosterBytes(roster_path.isEmpty() ? std::string() : FilePathBytes(roster_path),
                             prepare);
}

CalcWindow& CalcApp::OpenWithRosterBytes(const std::string& roster_path,
                                         const Preparation& prepare) {
  // Before the first widget, so that Qt's own dialogs speak Japanese too.
  LoadQtJapanese(*QCoreApplication::instance());
  window_ = std::make_unique<CalcWindow>(prompts_);
  if (roster_path.empty()) {
    window_->RestoreKeptTableAtStart();
  } else {
    window_->LoadRosterBytes(roster_path);
  }
  window_->document().ForgetHistory();
  if (prepare) {
    Encounter prepared = window_->encounter();
    prepare(prepared);
    window_->document().SetTable(prepared);
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

void CalcApp::RunWithRosterBytes(const std::string& roster_path, const Preparation& prepare) {
  OpenWithRosterBytes(roster_path, prepare);
  QApplication::exec();
}

}  // namespace zelmora
