#include <benchmark/benchmark.h>

#include "bench/sample_encounter.h"
#include "engine/encounter.h"

namespace zelmora {
namespace {

Encounter FullEncounter() {
  Encounter e;
  FillSampleEncounter(e);
  e.modifiers().hit_bonus = {5, 3, 0};
  e.modifiers().evasion_bonus = {-5, -5, 2, 0};
  return e;
}

void BM_RecalculateAll(benchmark::State& state) {
  Encounter e = FullEncounter();
  for (auto _ : state) {
    e.Recalculate();
    benchmark::DoNotOptimize(e.result(5, 5));
  }
}
BENCHMARK(BM_RecalculateAll);

void BM_RecalculateOneRow(benchmark::State& state) {
  Encounter e = FullEncounter();
  for (auto _ : state) {
    e.Recalculate(SlotSelection::Only(2));
    benchmark::DoNotOptimize(e.result(2, 5));
  }
}
BENCHMARK(BM_RecalculateOneRow);

}  // namespace
}  // namespace zelmora
