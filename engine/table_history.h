#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/encounter.h"

namespace zelmora {

// Everything a change of the table can touch: the ten records (the
// attackers' evasion kinds with them) and the global modifiers.
struct TableState {
  std::array<Attacker, Encounter::kSlots> attackers{};
  std::array<Defender, Encounter::kSlots> defenders{};
  GlobalModifiers modifiers{};

  bool operator==(const TableState&) const = default;
};
TableState TableStateOf(const Encounter& encounter);
// Puts the state into the encounter; the caller refreshes and recalculates.
void ApplyTableState(const TableState& state, Encounter& encounter);

// The undo history of the whole table within a run, without limit: a list
// of states, the current one among them. Each change records the state
// after it; undo and redo move along the list, and a change after an undo
// drops the states that could have been redone.
class TableHistory {
 public:
  explicit TableHistory(TableState initial);

  // Records the table after a change. A change with the same non-empty
  // `group` as the step before it (typing on in one field) joins that step
  // instead of making a new one. A state equal to the current one makes no
  // step.
  void Record(const TableState& after, const std::string& group = {});
  // Ends the running group (the field lost the focus): the next change is a
  // step of its own.
  void EndGroup() { group_.clear(); }

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  // Move one step and return the state to show. Only when CanUndo/CanRedo.
  const TableState& Undo();
  const TableState& Redo();
  const TableState& Current() const { return states_[current_]; }
  // The current state's place in the list, 0 for the first.
  std::size_t Position() const { return current_; }

  // The current state is the one saved; the title's modified flag is off
  // while the history stands there.
  void MarkClean();
  bool IsClean() const { return clean_ == current_; }

 private:
  static constexpr std::size_t kNever = static_cast<std::size_t>(-1);

  std::vector<TableState> states_;
  std::size_t current_ = 0;
  std::size_t clean_ = 0;
  std::string group_;  // the group of the step at current_, while it runs
};

}  // namespace zelmora
