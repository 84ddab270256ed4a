#include <benchmark/benchmark.h>

#include "encounter.h"

namespace zelmora {
namespace {

// Five varied attackers and defenders, so that every branch of a pairing
// (techniques, auto-trigger, affinities, defence options) takes its share.
Encounter FullEncounter() {
  Encounter e;
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
  e.modifiers().hit_bonus = {5, 3, 0};
  e.modifiers().evasion_bonus = {-5, -5, 2, 0};
  return e;
}

void BM_RecalculateAll(benchmark::State& state) {
  Encounter e = FullEncounter();
  for (auto _ : state) {
    e.Recalculate(0, 0);
    benchmark::DoNotOptimize(e.result(5, 5));
  }
}
BENCHMARK(BM_RecalculateAll);

void BM_RecalculateOneRow(benchmark::State& state) {
  Encounter e = FullEncounter();
  for (auto _ : state) {
    e.Recalculate(2, 0);
    benchmark::DoNotOptimize(e.result(2, 5));
  }
}
BENCHMARK(BM_RecalculateOneRow);

}  // namespace
}  // namespace zelmora
