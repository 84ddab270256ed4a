#pragma once

#include <string>

#include "engine/encounter.h"

// The stored results as tab-separated text, which a spreadsheet pastes as a
// table: code page 932 bytes (convert for the clipboard), LF line ends,
// reals at full precision ("%.15g"). A tab or line end in a name becomes a
// blank, so that it cannot break the table.
namespace zelmora {

// A header row with each defender's name over its pairings' three columns,
// then one row per attacker: its name and, for each defender in slot order,
// the attack chance, the technique text and the expected damage.
std::string ResultsTabText(const Encounter& encounter);

// One pairing's three values on one line, without a line end.
std::string PairingTabText(const Encounter& encounter, int row, int column);

}  // namespace zelmora
