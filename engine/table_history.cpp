#include "engine/table_history.h"

#include <utility>

namespace zelmora {

TableState TableStateOf(const Encounter& encounter) {
  return {encounter.attackers(), encounter.defenders(), encounter.modifiers()};
}

void ApplyTableState(const TableState& state, Encounter& encounter) {
  encounter.attackers() = state.attackers;
  encounter.defenders() = state.defenders;
  encounter.modifiers() = state.modifiers;
}

TableHistory::TableHistory(TableState initial) { states_.push_back(std::move(initial)); }

void TableHistory::Record(const TableState& after, const std::string& group) {
  // group_ is set only by a step of its own, so a joined step has one before it.
  const bool joins = !group.empty() && group == group_;
  if (after == Current() && !joins) return;
  states_.resize(current_ + 1);
  if (clean_ > current_) clean_ = kNever;
  group_ = group;
  if (!joins) {
    states_.push_back(after);
    ++current_;
  } else if (after == states_[current_ - 1]) {
    // Typed back to where the step began: no step is left.
    states_.pop_back();
    --current_;
    group_.clear();
  } else {
    states_[current_] = after;
  }
}

const TableState& TableHistory::Undo() {
  --current_;
  group_.clear();
  return Current();
}

const TableState& TableHistory::Redo() {
  ++current_;
  group_.clear();
  return Current();
}

void TableHistory::MarkClean() {
  clean_ = current_;
  group_.clear();
}

}  // namespace zelmora
