#pragma once

#include <QString>

#include "prompts.h"

namespace zelmora {

// The start-up of the program: the one calculator window, run modally.
class CalcApp {
 public:
  explicit CalcApp(Prompts& prompts) : prompts_(prompts) {}

  // Runs the window until it closes. With a roster path the window opens
  // with that roster loaded, as "全てロード" does. Nothing is saved at the end.
  void Run(const QString& roster_path = {});

 private:
  Prompts& prompts_;
};

}  // namespace zelmora
