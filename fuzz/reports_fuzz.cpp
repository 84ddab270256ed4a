// Random encounters, modifiers and names through both reports: every line
// count holds whatever the values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/reports.h"
#include "fuzz/fuzz_input.h"

namespace {

std::size_t LineCount(const std::string& report) {
  return static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  fuzz::FuzzInput in(data, size);
  Encounter e;
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    Attacker& a = e.attacker(slot);
    a.judgment_value = in.Int();
    a.dice_count = in.Int();
    a.damage_bonus = in.Int();
    a.judgment_kind = in.Small(5) - 1;
    a.defence_flags = in.Small(17) - 1;
    a.attack_attribute = in.Small(17) - 1;
    a.evasion_kind = in.Small(6) - 1;
    a.attack_count = in.Int();
    a.auto_trigger = in.Small(3);
    a.name = in.Text(30);
    Defender& d = e.defender(slot);
    d.melee_evasion = in.Int();
    d.ranged_evasion = in.Int();
    d.magic_evasion = in.Int();
    d.physical_defence = in.Int();
    d.magic_defence = in.Int();
    for (auto& affinity : d.affinities) affinity = in.Small(8) - 1;
    d.name = in.Text(30);
  }
  auto fill = [&](auto& table) {
    for (auto& v : table) v = in.Int();
  };
  fill(e.modifiers().hit_bonus);
  fill(e.modifiers().damage_bonus);
  fill(e.modifiers().defence_bonus);
  fill(e.modifiers().evasion_bonus);
  e.Recalculate();

  // Names may hold line breaks; the reports must not let them split a line.
  if (LineCount(TextReport(e)) != 45) std::abort();
  if (LineCount(HtmlReport(e)) != 70) std::abort();
  return 0;
}
