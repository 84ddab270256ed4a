#pragma once

#include <QString>
#include <functional>
#include <string>

#include "engine/encounter.h"
#include "gui/prompts.h"

namespace zelmora {

// The start-up of the program: the one calculator window, run modally.
class CalcApp {
 public:
  // Changes made to the records before the window shows, such as settings
  // given on the command line.
  using Preparation = std::function<void(Encounter&)>;

  explicit CalcApp(Prompts& prompts) : prompts_(prompts) {}

  // Runs the window until it closes. With a roster path the window opens
  // with that roster loaded, as "全てロード" does; a preparation then
  // adjusts the records and the grid is recalculated. Every later change,
  // and whatever is pending when the window closes, is kept for
  // 前回の内容を復元.
  void Run(const QString& roster_path = {}, const Preparation& prepare = {});
  // The same with the roster named by the bytes of its path, as a command
  // line gives it: a name that is not text in the locale's encoding opens too.
  void RunWithRosterBytes(const std::string& roster_path, const Preparation& prepare = {});

 private:
  Prompts& prompts_;
};

}  // namespace zelmora
