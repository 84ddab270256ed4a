#pragma once

#include <QDialog>
#include <array>

#include "editors/slot_operations.h"
#include "engine/encounter.h"
#include "engine/records.h"

class QComboBox;
class QLineEdit;

namespace zelmora {

class DialogButtons;
class Prompts;
class SlotButtonRow;

// "受け側詳細設定": every field of one defender, and the import of a monster
// sheet into it. Like the attacker editor it works on a copy of the slot's
// record; only its swap changes the encounter's records directly.
class DefenderEditor : public QDialog {
  Q_OBJECT

 public:
  DefenderEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent = nullptr);

  // The fields, in tab order; the name takes the focus when the editor opens.
  struct Fields {
    QLineEdit* name;
    QLineEdit* melee_evasion;
    QLineEdit* ranged_evasion;
    QLineEdit* magic_evasion;
    QLineEdit* physical_defence;
    QLineEdit* magic_defence;
    std::array<QComboBox*, kAffinityCount> affinities;  // by attack attribute
  };
  const Fields& fields() const { return fields_; }
  const SlotButtonRow& slot_buttons() const { return *slot_buttons_; }
  const DialogButtons& buttons() const { return *buttons_; }

  const Defender& working() const { return working_; }

  // Refused after a swap: Escape and the close box as well as Cancel.
  void reject() override;

 private:
  void MakeFields();
  void LayOut();
  void BindControls();
  void ShowWorking();
  void ImportMonsterSheet();

  Prompts& prompts_;
  Defender working_;
  SlotOperations<Defender> operations_;
  Fields fields_{};
  SlotButtonRow* slot_buttons_ = nullptr;
  DialogButtons* buttons_ = nullptr;
};

}  // namespace zelmora
