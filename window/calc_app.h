#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "engine/encounter.h"
#include "gui/prompts.h"

namespace zelmora {

class CalcWindow;

// The start-up of the program: the one calculator window, run by the
// application's event loop.
class CalcApp {
 public:
  // Changes made to the records before the window shows, such as settings
  // given on the command line.
  using Preparation = std::function<void(Encounter&)>;

  explicit CalcApp(Prompts& prompts);
  ~CalcApp();

  // Shows the window. With a roster path the window opens with that roster
  // loaded, as "全てロード" does, without one with the table kept by the last
  // run, as 前回の内容を復元 does; undo goes no further back. A preparation
  // then adjusts the records (an undoable change) and the grid is
  // recalculated. Every later change, and whatever is
  // pending when the window closes, is kept for 前回の内容を復元.
  CalcWindow& Open(const QString& roster_path = {}, const Preparation& prepare = {});
  // The same with the roster named by the bytes of its path, as a command
  // line gives it: a name that is not text in the locale's encoding opens too.
  CalcWindow& OpenWithRosterBytes(const std::string& roster_path, const Preparation& prepare = {});
  // Opens the window and runs the event loop until it closes.
  void Run(const QString& roster_path = {}, const Preparation& prepare = {});
  void RunWithRosterBytes(const std::string& roster_path, const Preparation& prepare = {});

 private:
  Prompts& prompts_;
  std::unique_ptr<CalcWindow> window_;
};

}  // namespace zelmora
