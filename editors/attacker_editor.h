#pragma once

#include <QDialog>

#include "editors/slot_operations.h"
#include "engine/encounter.h"
#include "engine/records.h"

namespace zelmora {

class Prompts;

// "行動側詳細設定": every field of one attacker. The editor works on a copy
// of the slot's record; the caller stores working() after OK. Its swap is
// the one operation that changes the encounter's records directly.
class AttackerEditor : public QDialog {
  Q_OBJECT

 public:
  AttackerEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent = nullptr);

  const Attacker& working() const { return working_; }

  // Refused after a swap: Escape and the close box as well as Cancel.
  void reject() override;

 private:
  void FillLists();
  void BindControls();
  void ShowWorking();
  void StoreDefenceFlags();

  Attacker working_;
  SlotOperations<Attacker> operations_;
};

}  // namespace zelmora
