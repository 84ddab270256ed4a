#include "files/csv_export.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

#include "engine/text.h"
#include "files/cp932.h"
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

// A spreadsheet runs a cell that starts with one of these as a formula
// (or, for tab and CR, may shift it into one).
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// A name of code page 932 bytes as a field of UTF-8: a leading apostrophe
// where a spreadsheet would take it for a formula, then as CsvField; decoded
// a piece at a time into the sink, so that a long name is never held again.
// The characters that decide quoting and the apostrophe are ASCII, and no
// byte below 0x40 is ever the second of a pair, so the bytes tell as well as
// the decoded text.
void WriteNameField(ByteSink& sink, std::string_view cp932) {
  const bool quoted = std::any_of(cp932.begin(), cp932.end(), [](char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
  });
  if (quoted) sink.Append("\"");
  if (!cp932.empty() && kFormulaStarts.find(cp932.front()) != std::string_view::npos) {
    sink.Append("'");
  }
  ForEachUtf8Piece(cp932, [&sink, quoted](std::string_view utf8) {
    if (!quoted) {
      sink.Append(utf8);
      return;
    }
    std::size_t start = 0;
    for (std::size_t quote = utf8.find('"'); quote != std::string_view::npos;
         quote = utf8.find('"', quote + 1)) {
      sink.Append(utf8.substr(start, quote + 1 - start));
      start = quote;  // the quote again, doubled
    }
    sink.Append(utf8.substr(start));
  });
  if (quoted) sink.Append("\"");
}

// Each name stands in five rows: decoded once and held, as long as the
// names held stay small; a longer one is decoded again for each row, so that
// memory stays at what the records take.
constexpr std::size_t kHeldNameBytes = std::size_t{4} << 20;

class NameFields {
 public:
  explicit NameFields(const Encounter& e) {
    std::size_t held = 0;
    for (std::size_t i = 0; i < Encounter::kSlots; ++i) {
      Hold(e.attackers()[i].name, attackers_[i], held);
      Hold(e.defenders()[i].name, defenders_[i], held);
    }
  }

  void WriteAttacker(ByteSink& sink, const Encounter& e, int slot) const {
    Write(sink, e.attacker(slot).name, attackers_[static_cast<std::size_t>(slot - 1)]);
  }
  void WriteDefender(ByteSink& sink, const Encounter& e, int slot) const {
    Write(sink, e.defender(slot).name, defenders_[static_cast<std::size_t>(slot - 1)]);
  }

 private:
  static void Hold(std::string_view cp932, std::optional<std::string>& field, std::size_t& held) {
    if (held + cp932.size() > kHeldNameBytes) return;
    held += cp932.size();
    field = CollectBytes([cp932](ByteSink& sink) { WriteNameField(sink, cp932); });
  }
  static void Write(ByteSink& sink, std::string_view cp932,
                    const std::optional<std::string>& field) {
    if (field) {
      sink.Append(*field);
    } else {
      WriteNameField(sink, cp932);
    }
  }

  std::array<std::optional<std::string>, Encounter::kSlots> attackers_;
  std::array<std::optional<std::string>, Encounter::kSlots> defenders_;
};

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

void WriteCsvExport(const Encounter& e, ByteSink& sink) {
  sink.Append(kByteOrderMark);
  sink.Append(kHeader);
  sink.Append(kLineEnd);
  const NameFields names(e);
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      sink.Append(FormatInt(row) + ",");
      names.WriteAttacker(sink, e, row);
      sink.Append("," + FormatInt(column) + ",");
      names.WriteDefender(sink, e, column);
      sink.Append("," + ResultFields(e.result(row, column)));
      sink.Append(kLineEnd);
    }
  }
}

std::string CsvExport(const Encounter& e) {
  return CollectBytes([&e](ByteSink& sink) { WriteCsvExport(e, sink); });
}

}  // namespace zelmora
