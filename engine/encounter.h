#pragma once

#include <array>
#include <cstdint>

#include "engine/matchup.h"
#include "engine/records.h"
#include "engine/slot_selection.h"

namespace zelmora {

// Five attackers, five defenders, the global modifiers and the results of the
// last recalculation of every row and pairing. Slots are numbered 1 to 5.
class Encounter {
 public:
  static constexpr int kSlots = 5;

  Attacker& attacker(int slot) { return attackers_.at(Index(slot)); }
  const Attacker& attacker(int slot) const { return attackers_.at(Index(slot)); }
  Defender& defender(int slot) { return defenders_.at(Index(slot)); }
  const Defender& defender(int slot) const { return defenders_.at(Index(slot)); }
  std::array<Attacker, kSlots>& attackers() { return attackers_; }
  const std::array<Attacker, kSlots>& attackers() const { return attackers_; }
  std::array<Defender, kSlots>& defenders() { return defenders_; }
  const std::array<Defender, kSlots>& defenders() const { return defenders_; }
  GlobalModifiers& modifiers() { return modifiers_; }
  const GlobalModifiers& modifiers() const { return modifiers_; }

  const AttackerSummary& summary(int row) const { return summaries_.at(Index(row)); }
  const MatchupResult& result(int row, int column) const {
    return results_.at(Index(row)).at(Index(column));
  }

  // Recomputes the summaries of the selected rows and the pairings of every
  // selected row with every selected column; results outside the selection
  // keep their values.
  void Recalculate(SlotSelection rows = SlotSelection::All(),
                   SlotSelection columns = SlotSelection::All());

 private:
  static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }

  std::array<Attacker, kSlots> attackers_{};
  std::array<Defender, kSlots> defenders_{};
  GlobalModifiers modifiers_{};
  std::array<AttackerSummary, kSlots> summaries_{};
  std::array<std::array<MatchupResult, kSlots>, kSlots> results_{};
};

// The evasion kind of each attacker, slot 1 first: what the attackers hold
// beyond their roster lines.
using EvasionKinds = std::array<std::int32_t, Encounter::kSlots>;
EvasionKinds EvasionKindsOf(const Encounter& encounter);
void SetEvasionKinds(Encounter& encounter, const EvasionKinds& kinds);

}  // namespace zelmora
