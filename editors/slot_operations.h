#pragma once

#include <array>
#include <functional>

#include "engine/encounter.h"
#include "engine/records.h"

class QDialog;
class QPushButton;

namespace zelmora {

class Prompts;
class SlotButtonRow;

// Swap, copy, save one and load one of an editor of one side, written once
// for the attacker and the defender editor. `stored` are the window's five
// records of that side; `working` and `slot` are the editor's; `show` puts
// the working record back into the editor's controls.
template <class Record>
class SlotOperations {
 public:
  using Slots = std::array<Record, Encounter::kSlots>;

  SlotOperations(QDialog& editor, Prompts& prompts, Slots& stored, Record& working, int slot,
                 std::function<void()> show);

  // Runs each operation from its button; the swap greys `cancel`.
  void Connect(const SlotButtonRow& buttons, QPushButton& cancel);

  // After a swap the window's records are already exchanged; a Cancel could
  // only undo half of it, so the editor accepts no cancel from then on.
  bool swapped() const { return swapped_; }

  void Swap();
  void Copy();
  void SaveOne();
  void LoadOne();

 private:
  // Replaces the working record and shows it.
  void Take(const Record& record);

  QDialog& editor_;
  Prompts& prompts_;
  Slots& stored_;
  Record& working_;
  int slot_;
  std::function<void()> show_;
  QPushButton* cancel_ = nullptr;
  bool swapped_ = false;
};

extern template class SlotOperations<Attacker>;
extern template class SlotOperations<Defender>;

}  // namespace zelmora
