#pragma once

#include <string>
#include <string_view>

#include "engine/encounter.h"
#include "files/byte_sink.h"

namespace zelmora {

// The 25 stored pairings as CSV for spreadsheets: a header row, then one
// row per pairing, attacker by attacker; UTF-8 with a byte-order mark (so
// that spreadsheet programs take the Japanese names as UTF-8) and CR LF line
// ends. Columns: attacker, attacker_name, defender, defender_name,
// attack_chance, technique_penalty (empty when auto-triggered),
// auto_triggered (1 or 0), expected_damage.
// A name beginning with =, +, -, @, tab or CR gets a leading apostrophe, so
// that a spreadsheet shows it as text and never runs it as a formula.
std::string CsvExport(const Encounter& encounter);
void WriteCsvExport(const Encounter& encounter, ByteSink& sink);

// A field as CSV writes it: quoted, with doubled quotes, when it holds a
// comma, a quote or a line break; as it is otherwise.
std::string CsvField(std::string_view text);

}  // namespace zelmora
