#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "bench/key_press.h"
#include "bench/silent_prompts.h"
#include "window/calc_window.h"

namespace zelmora {
namespace {

// One keystroke in row 3's judgment value: the line edit's own work, the
// change handler, the recalculation of the row against five defenders, the
// cells whose values changed, the marking of the pairings, and the repaint
// all this causes (the events are processed after each key). Typing a digit
// and deleting it alternate, so that every keystroke changes the value and
// the results.
// Argument 0: the view as it starts (best targets marked); 1: the heat map
// switched on too, which retints the whole grid when the highest value moves.
void BM_Keystroke(benchmark::State& state) {
  SilentPrompts prompts;
  CalcWindow window(prompts);
  const bool heat_map = state.range(0) == 1;
  window.action(CalcWindow::Command::kHeatMap).setChecked(heat_map);
  QLineEdit& judgment = FocusSampleJudgment(window);
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      Press(judgment, Qt::Key_Backspace, {});
    } else {
      Press(judgment, Qt::Key_7, QStringLiteral("7"));
    }
    typed = !typed;
    QApplication::processEvents();
  }
  benchmark::DoNotOptimize(window.encounter().result(3, 5));
}
BENCHMARK(BM_Keystroke)->Arg(0)->Arg(1)->Repetitions(5)->ReportAggregatesOnly(true);

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
  // The user's own view settings neither change the figures nor get changed.
  QTemporaryDir settings_dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
