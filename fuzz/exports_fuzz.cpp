// Random encounters through the JSON and CSV writers and the kept table:
// the CSV splits into the header and 25 rows of eight fields with no name a
// spreadsheet would run, the JSON holds no raw control character, and the
// kept table reads back as the same records, modifiers and evasion kinds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/csv_export.h"
#include "files/json_export.h"
#include "files/kept_table.h"
#include "fuzz/fuzz_encounter.h"

namespace {

using namespace zelmora;

using Record = std::vector<std::string>;

// Records as a spreadsheet splits them: a quoted field may hold commas,
// doubled quotes and line breaks; a record ends with CR LF.
std::vector<Record> CsvRecords(std::string_view text) {
  std::vector<Record> records(1, Record(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& field = records.back().back();
    const auto next = [&](char d) { return i + 1 < text.size() && text[i + 1] == d; };
    if (quoted && c == '"' && next('"')) {
      field += '"';
      ++i;
    } else if (c == '"' && (quoted || field.empty())) {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      records.back().emplace_back();
    } else if (!quoted && c == '\r' && next('\n')) {
      ++i;
      records.emplace_back(1);
    } else {
      field += c;
    }
  }
  return records;
}

void CheckCsv(const Encounter& e) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::string csv = CsvExport(e);
  if (!std::string_view(csv).starts_with(kByteOrderMark)) std::abort();
  const std::vector<Record> records = CsvRecords(std::string_view(csv).substr(3));
  // The header, 25 pairings and the empty rest after the last line end.
  if (records.size() != 27 || records.back() != Record(1)) std::abort();
  for (std::size_t r = 0; r + 1 < records.size(); ++r) {
    if (records[r].size() != 8) std::abort();
    for (const std::size_t name : {1, 3}) {
      const std::string& field = records[r][name];
      if (!field.empty() && std::string_view("=+-@\t\r").find(field[0]) != std::string_view::npos) {
        std::abort();
      }
    }
  }
}

void CheckJson(const Encounter& e) {
  for (const char c : JsonExport(e)) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\n') std::abort();
  }
}

void CheckKeptTable(Encounter e) {
  // A roster line cannot hold a line break, and no name read or typed has one.
  for (int slot = 1; slot <= Encounter::kSlots; ++slot) {
    for (std::string* name : {&e.attacker(slot).name, &e.defender(slot).name}) {
      for (char& c : *name) {
        if (c == '\r' || c == '\n') c = ' ';
      }
    }
  }
  Encounter kept;
  if (ReadKeptTable(KeptTableBytes(e), kept) != KeptTableProblem::kNone) std::abort();
  if (kept.attackers() != e.attackers() || kept.defenders() != e.defenders()) std::abort();
  if (ShowModifiers(kept.modifiers()) != ShowModifiers(e.modifiers())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Encounter e = fuzz::RandomEncounter(in);
  CheckCsv(e);
  CheckJson(e);
  CheckKeptTable(e);
  return 0;
}
