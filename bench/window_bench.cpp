#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "calc_window.h"
#include "calc_window_ids.h"
#include "dialog_builder.h"
#include "prompts.h"

namespace zelmora {
namespace {

// Asks nothing: the benchmarks open no dialog.
class SilentPrompts : public Prompts {
 public:
  QString OpenFileName(QWidget*, const FileChoice&) override { return {}; }
  QString SaveFileName(QWidget*, const FileChoice&) override { return {}; }
  void ShowError(QWidget*, const QString&) override {}
  int Run(QDialog&) override { return QDialog::Rejected; }
};

// Five varied attackers and defenders, so that a row's pairings take the
// technique search, auto-trigger and affinity branches.
void FillEncounter(Encounter& e) {
  for (int i = 1; i <= Encounter::kSlots; ++i) {
    Attacker& a = e.attacker(i);
    a.judgment_value = 35 + 12 * i;
    a.dice_count = i;
    a.damage_bonus = 2 * i;
    a.judgment_kind = i % 3;
    a.defence_flags = (i % 3) | (i % 2 ? 4 : 0);
    a.attack_attribute = (3 * i) % 15;
    a.evasion_kind = i % 4;
    a.attack_count = 1 + i % 2;
    a.auto_trigger = i % 2;
    Defender& d = e.defender(i);
    d.melee_evasion = 20 + 9 * i;
    d.ranged_evasion = 15 + 7 * i;
    d.magic_evasion = 10 + 11 * i;
    d.physical_defence = i + 2;
    d.magic_defence = 2 * i;
    for (int k = 0; k < kAffinityCount; ++k) d.affinities[k] = (i + k) % 6;
  }
}

void Press(QLineEdit& edit, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&edit, &press);
}

// One keystroke in row 3's judgment value: the line edit's own work, the
// change handler, the recalculation of the row against five defenders and
// WriteAllCells. Typing a digit and deleting it alternate, so that every
// keystroke changes the value and the results.
void BM_Keystroke(benchmark::State& state) {
  SilentPrompts prompts;
  CalcWindow window(prompts);
  FillEncounter(window.encounter());
  window.RecalculateAll();
  window.show();
  QApplication::processEvents();
  QLineEdit& judgment = *ControlById<QLineEdit>(window, grid::kAttackerRows[2].judgment);
  judgment.setFocus();
  judgment.end(false);
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      Press(judgment, Qt::Key_Backspace, {});
    } else {
      Press(judgment, Qt::Key_7, QStringLiteral("7"));
    }
    typed = !typed;
  }
  benchmark::DoNotOptimize(window.encounter().result(3, 5));
}
BENCHMARK(BM_Keystroke);

// From nothing to the first shown window: building every control, the
// first refresh and recalculation, showing it and handling the events the
// showing posts.
void BM_StartUpToFirstShownWindow(benchmark::State& state) {
  SilentPrompts prompts;
  for (auto _ : state) {
    auto window = std::make_unique<CalcWindow>(prompts);
    window->show();
    QApplication::processEvents();
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QTemporaryDir runtime_dir;
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    setenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit().constData(), 1);
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
