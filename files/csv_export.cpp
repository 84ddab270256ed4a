#include "files/csv_export.h"

#include <initializer_list>

#include "engine/text.h"
#include "files/export_values.h"

namespace zelmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeader =
    "attacker,attacker_name,defender,defender_name,attack_chance,technique_penalty,"
    "auto_triggered,expected_damage";

std::string Row(std::initializer_list<std::string> fields) {
  std::string row;
  const char* separator = "";
  for (const std::string& field : fields) {
    row += separator;
    row += field;
    separator = ",";
  }
  return row;
}

std::string PairingRow(const Encounter& e, int row, int column) {
  const MatchupResult& result = e.result(row, column);
  const TechniqueChoice technique = ReadTechnique(result);
  return Row({FormatInt(row), CsvNameField(DecodeName(e.attacker(row).name).utf8),
              FormatInt(column), CsvNameField(DecodeName(e.defender(column).name).utf8),
              ShortestReal(result.attack_chance),
              technique.penalty ? FormatInt(*technique.penalty) : std::string(),
              technique.auto_triggered ? "1" : "0", ShortestReal(result.expected_damage)});
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

// A spreadsheet runs a cell that starts with one of these as a formula
// (or, for tab and CR, may shift it into one).
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

std::string CsvNameField(std::string_view name) {
  if (!name.empty() && kFormulaStarts.find(name.front()) != std::string_view::npos) {
    return CsvField("'" + std::string(name));
  }
  return CsvField(name);
}

void WriteCsvExport(const Encounter& e, ByteSink& sink) {
  sink.Append(kByteOrderMark);
  sink.Append(kHeader);
  sink.Append(kLineEnd);
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      sink.Append(PairingRow(e, row, column));
      sink.Append(kLineEnd);
    }
  }
}

std::string CsvExport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteCsvExport(e, sink); });
}

}  // namespace zelmora
