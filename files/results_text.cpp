#include "files/results_text.h"

#include <algorithm>

#include "engine/text.h"

namespace zelmora {
namespace {

std::string Cell(std::string_view text) {
  std::string cell(text);
  std::replace_if(
      cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return cell;
}

}  // namespace

std::string PairingTabText(const Encounter& encounter, int row, int column) {
  const MatchupResult& result = encounter.result(row, column);
  return FormatGeneral(result.attack_chance) + '\t' + Cell(result.technique) + '\t' +
         FormatGeneral(result.expected_damage);
}

std::string ResultsTabText(const Encounter& encounter) {
  std::string text;
  for (int column = 1; column <= Encounter::kSlots; ++column) {
    text += '\t' + Cell(encounter.defender(column).name) + "\t\t";
  }
  text += '\n';
  for (int row = 1; row <= Encounter::kSlots; ++row) {
    text += Cell(encounter.attacker(row).name);
    for (int column = 1; column <= Encounter::kSlots; ++column) {
      text += '\t' + PairingTabText(encounter, row, column);
    }
    text += '\n';
  }
  return text;
}

}  // namespace zelmora
