#include "calc_app.h"

#include "calc_window.h"

namespace zelmora {

void CalcApp::Run(const QString& roster_path) {
  CalcWindow window(prompts_);
  if (!roster_path.isEmpty()) window.LoadRoster(roster_path);
  prompts_.Run(window);
}

}  // namespace zelmora
