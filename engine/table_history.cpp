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

TableHistory::TableHistory(TableState initial, std::string roster) {
  steps_.push_back({std::move(initial), std::move(roster)});
}

void TableHistory::Record(const TableState& after, const std::string& group) {
  // group_ is set only by a step of its own, which is always the last one,
  // so a joined step has one before it and nothing to redo after it.
  const bool joins = !group.empty() && group == group_;
  steps_.resize(current_ + 1);
  if (after == Current() && !joins) return;
  group_ = group;
  if (!joins) {
    steps_.push_back({after, Roster()});
    ++current_;
  } else if (after == steps_[current_ - 1].state) {
    steps_.pop_back();
    --current_;
    group_.clear();
  } else {
    steps_[current_].state = after;
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

void TableHistory::DropSteps() {
  steps_ = {std::move(steps_[current_])};
  current_ = 0;
  group_.clear();
}

void TableHistory::BelongTo(const std::string& roster) { BelongTo(roster, Current()); }

void TableHistory::BelongTo(const std::string& roster, std::optional<TableState> content) {
  steps_[current_].roster = roster;
  group_.clear();
  if (roster.empty()) return;
  if (content) {
    saved_.insert_or_assign(roster, std::move(*content));
  } else {
    saved_.erase(roster);
  }
}

const TableState* TableHistory::SavedContent(const std::string& roster) const {
  const auto found = saved_.find(roster);
  return found == saved_.end() ? nullptr : &found->second;
}

bool TableHistory::IsModified() const {
  static const TableState kEmpty{};
  if (Roster().empty()) return !(Current() == kEmpty);
  const TableState* saved = SavedContent(Roster());
  return !saved || !(*saved == Current());
}

}  // namespace zelmora
