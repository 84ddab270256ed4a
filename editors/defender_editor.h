#pragma once

#include <QDialog>

#include "editors/slot_operations.h"
#include "engine/encounter.h"
#include "engine/records.h"

namespace zelmora {

class Prompts;

// "受け側詳細設定": every field of one defender, and the import of a monster
// sheet into it. Like the attacker editor it works on a copy of the slot's
// record; only its swap changes the encounter's records directly.
class DefenderEditor : public QDialog {
  Q_OBJECT

 public:
  DefenderEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent = nullptr);

  const Defender& working() const { return working_; }

  // Refused after a swap: Escape and the close box as well as Cancel.
  void reject() override;

 private:
  void BindControls();
  void ShowWorking();
  void ImportMonsterSheet();

  Prompts& prompts_;
  Defender working_;
  SlotOperations<Defender> operations_;
};

}  // namespace zelmora
