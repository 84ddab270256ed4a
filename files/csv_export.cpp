#include "files/csv_export.h"

#include <array>
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

std::string Row(std::initializer_list<std::string_view> fields) {
  std::string row;
  const char* separator = "";
  for (const std::string_view field : fields) {
    row += separator;
    row += field;
    separator = ",";
  }
  return row;
}

// The fields of one pairing's results, after its slots and names.
std::string ResultFields(const MatchupResult& result) {
  const TechniqueChoice technique = ReadTechnique(result);
  return Row({ShortestReal(result.attack_chance),
              technique.penalty ? FormatInt(*technique.penalty) : std::string(),
              technique.auto_triggered ? "1" : "0", ShortestReal(result.expected_damage)});
}

// Each side's names as CSV fields, each decoded once for the five rows it
// stands in.
template <class Records>
std::array<std::string, Encounter::kSlots> NameFields(const Records& records) {
  std::array<std::string, Encounter::kSlots> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = CsvNameField(DecodeName(records[i].name).utf8);
  }
  return fields;
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
  const auto attacker_names = NameFields(e.attackers());
  const auto defender_names = NameFields(e.defenders());
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      // The names go into the sink as they are, never copied into a row.
      sink.Append(FormatInt(row) + ",");
      sink.Append(attacker_names[static_cast<std::size_t>(row - 1)]);
      sink.Append("," + FormatInt(column) + ",");
      sink.Append(defender_names[static_cast<std::size_t>(column - 1)]);
      sink.Append("," + ResultFields(e.result(row, column)));
      sink.Append(kLineEnd);
    }
  }
}

std::string CsvExport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteCsvExport(e, sink); });
}

}  // namespace zelmora
