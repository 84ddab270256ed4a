// Random encounters, modifiers and names through both reports: every line
// count holds whatever the values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/reports.h"
#include "fuzz/fuzz_encounter.h"

namespace {

std::size_t LineCount(const std::string& report) {
  return static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelmora;
  fuzz::FuzzInput in(data, size);
  Encounter e = fuzz::RandomEncounter(in);

  // Names may hold line breaks; the reports must not let them split a line.
  if (LineCount(TextReport(e)) != 45) std::abort();
  if (LineCount(HtmlReport(e)) != 70) std::abort();
  return 0;
}
