// A calculator window that edits its table without end, keeping it after
// every change: the subject of the test that kills it at random moments.
// Step k types k into attacker 1's judgment value after setting all eight
// modifiers to k and every evasion kind to k % 4, so a kept table shows by
// itself whether its parts belong to one step. Prints "ready" once the
// first table is kept; given a delay in milliseconds, keeps with that delay
// and prints "ready" after the first step instead.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

#include "tests/support/gui_helpers.h"
#include "tests/support/window_table.h"
#include "window/calc_window.h"

namespace {

// Large names make each write long enough to be killed in its middle.
constexpr int kNameBytes = 30000;

}  // namespace

int main(int argc, char** argv) {
  using zelmora::Encounter;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  zelmora::testing::ScriptedPrompts prompts;  // nothing is asked
  zelmora::CalcWindow window(prompts);
  zelmora::testing::ChangeTable(window, [](Encounter& e) {
    for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
      e.attacker(slot).name.assign(kNameBytes, static_cast<char>('a' + slot));
      e.defender(slot).name.assign(kNameBytes, static_cast<char>('m' + slot));
    }
  });
  const int delay_ms = argc > 1 ? std::atoi(argv[1]) : 0;
  window.keeper().Start(delay_ms);
  bool ready = false;
  const auto say_ready = [&ready] {
    if (ready) return;
    ready = true;
    std::puts("ready");
    std::fflush(stdout);
  };
  if (delay_ms == 0) QObject::connect(&window.keeper(), &zelmora::TableKeeper::Written, say_ready);
  QLineEdit& judgment = window.grid().attacker(1).judgment().LineEdit();
  for (int k = 1;; ++k) {
    zelmora::testing::ChangeTable(window, [k](Encounter& e) {
      e.modifiers() = zelmora::ModifiersFromShown({k, k, k, k, k, k, k, k});
      for (int slot = 1; slot <= Encounter::kSlots; ++slot) e.attacker(slot).evasion_kind = k % 4;
    });
    judgment.selectAll();
    zelmora::testing::CommitText(&judgment, QString::number(k));
    if (delay_ms > 0) say_ready();
    QApplication::processEvents();
  }
}
