#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/cp932.h"
#include "files/file_io.h"
#include "files/reports.h"
#include "files/roster_file.h"

namespace {

using namespace zelmora;

Encounter Party() {
  Encounter e;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    Attacker& a = e.attacker(slot);
    a.name = Cp932FromUtf8("剣士" + std::to_string(slot)).value();
    a.judgment_value = 50 + 7 * slot;
    a.dice_count = slot;
    a.damage_bonus = 2 * slot;
    a.attack_attribute = slot;
    Defender& d = e.defender(slot);
    d.name = Cp932FromUtf8("ゴブリン" + std::to_string(slot)).value();
    d.melee_evasion = 10 * slot;
    d.ranged_evasion = 8 * slot;
    d.magic_evasion = 5 * slot;
    d.physical_defence = slot;
    d.affinities[static_cast<std::size_t>(slot)] = slot % 4;
  }
  e.Recalculate();
  return e;
}

// 100,000 lines: the ten lines of save all, 10,000 times.
std::string LargeRoster() {
  const std::string ten = SaveAllBytes(Party());
  std::string bytes;
  for (int i = 0; i < 10'000; ++i) bytes += ten;
  return bytes;
}

std::string TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zelmora-bench-XXXXXX").string();
  return mkdtemp(pattern.data()) ? pattern : std::string(".");
}

void BM_LoadAllBytes100kLines(benchmark::State& state) {
  const std::string roster = LargeRoster();
  for (auto _ : state) {
    Encounter e;
    LoadAllBytes(roster, e);
    benchmark::DoNotOptimize(e);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * roster.size()));
}
BENCHMARK(BM_LoadAllBytes100kLines)->Unit(benchmark::kMillisecond);

void BM_LoadAllFile100kLines(benchmark::State& state) {
  const std::string folder = TemporaryFolder();
  const std::string path = folder + "/large.qvr";
  if (WriteFileSafely(path, LargeRoster())) {
    state.SkipWithError("cannot write the roster");
    return;
  }
  for (auto _ : state) {
    Encounter e;
    benchmark::DoNotOptimize(LoadAll(path, e));
    e.Recalculate();
    benchmark::DoNotOptimize(e);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadAllFile100kLines)->Unit(benchmark::kMillisecond);

void BM_BothReports(benchmark::State& state) {
  const Encounter e = Party();
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextReport(e));
    benchmark::DoNotOptimize(HtmlReport(e));
  }
}
BENCHMARK(BM_BothReports)->Unit(benchmark::kMicrosecond);

// The reports written through the safe writer, fsync included: the disk,
// not the formatting, sets this figure.
void BM_BothReportsToFiles(benchmark::State& state) {
  const Encounter e = Party();
  const std::string folder = TemporaryFolder();
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteFileSafely(folder + "/report.txt", TextReport(e)));
    benchmark::DoNotOptimize(WriteFileSafely(folder + "/report.htm", HtmlReport(e)));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_BothReportsToFiles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
