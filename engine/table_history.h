#pragma once

#include <cstddef>
#include <map>
#include <optional>
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
// Puts the state into the encounter; the caller recalculates.
void ApplyTableState(const TableState& state, Encounter& encounter);

// The undo history of the whole table within a run, without limit: a list
// of steps, the current one among them. Each action records the table after
// it; undo and redo move along the list. Every step belongs to a roster (a
// path as the file layer holds it, empty for none), so that undo returns to
// the roster its table came from.
//
// Any new action drops the steps that could have been redone, even one that
// leaves the table as it was. The table is modified when it differs by
// content from what its roster held when last loaded or saved; without a
// roster, from an empty table.
class TableHistory {
 public:
  explicit TableHistory(TableState initial, std::string roster = {});

  // Records the table after an action. An action with the same non-empty
  // `group` as the step before it (typing on in one field) joins that step
  // instead of making a new one; typing back to where the step began leaves
  // no step. An action that changes nothing makes no step.
  void Record(const TableState& after, const std::string& group = {});
  // Ends the running group (the field lost the focus): the next action is a
  // step of its own.
  void EndGroup() { group_.clear(); }

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < steps_.size(); }
  // Move one step and return the state to show. Only when CanUndo/CanRedo.
  const TableState& Undo();
  const TableState& Redo();
  const TableState& Current() const { return steps_[current_].state; }
  // The current step's place in the list, 0 for the first.
  std::size_t Position() const { return current_; }

  // The current step becomes the only one: undo stops here. What the
  // rosters held stays known.
  void DropSteps();

  // The roster the current step belongs to.
  const std::string& Roster() const { return steps_[current_].roster; }
  // The current step belongs to `roster`, which holds what the table holds
  // (it was just loaded or saved). Not an action: the redo steps stay.
  void BelongTo(const std::string& roster);
  // The current step belongs to `roster`, which holds `content`, or nothing
  // known (a roster that has vanished): the table is modified until it is
  // saved there or equals the content.
  void BelongTo(const std::string& roster, std::optional<TableState> content);
  // What `roster` held when last loaded or saved, if known.
  const TableState* SavedContent(const std::string& roster) const;
  bool IsModified() const;

 private:
  struct Step {
    TableState state;
    std::string roster;
  };

  std::vector<Step> steps_;
  std::size_t current_ = 0;
  std::map<std::string, TableState> saved_;  // by roster, the empty roster never
  std::string group_;                        // the group of the step at current_, while it runs
};

}  // namespace zelmora
