#pragma once

// Which slots of one side (attackers or defenders) an operation takes: all
// five, one, or none. Slots are numbered 1 to 5; a slot outside them selects
// nothing.
namespace zelmora {

class SlotSelection {
 public:
  static constexpr SlotSelection All() { return SlotSelection(true, 0); }
  static constexpr SlotSelection None() { return SlotSelection(false, 0); }
  static constexpr SlotSelection Only(int slot) { return SlotSelection(false, slot); }

  constexpr bool Contains(int slot) const { return all_ || (slot_ != 0 && slot_ == slot); }
  constexpr bool IsAll() const { return all_; }
  constexpr bool IsNone() const { return !all_ && slot_ == 0; }

 private:
  constexpr SlotSelection(bool all, int slot) : all_(all), slot_(slot) {}

  bool all_;
  int slot_;  // 0: none
};

}  // namespace zelmora
