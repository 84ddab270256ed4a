#pragma once

#include <QDialog>

#include "editors/slot_operations.h"
#include "engine/encounter.h"
#include "engine/records.h"

class QComboBox;
class QLineEdit;

namespace zelmora {

class DialogButtons;
class Prompts;
class SlotButtonRow;

// "行動側詳細設定": every field of one attacker. The editor works on a copy
// of the slot's record; the caller stores working() after OK. Its swap is
// the one operation that changes the encounter's records directly.
class AttackerEditor : public QDialog {
  Q_OBJECT

 public:
  AttackerEditor(Encounter& encounter, Prompts& prompts, int slot, QWidget* parent = nullptr);

  // The fields, in tab order; the name takes the focus when the editor opens.
  struct Fields {
    QLineEdit* name;
    QLineEdit* judgment_value;
    QLineEdit* dice_count;
    QLineEdit* damage_bonus;
    QComboBox* judgment_kind;
    QComboBox* evasion_kind;
    QComboBox* defence_kind;
    QComboBox* defence_option;
    QComboBox* attack_attribute;
    QLineEdit* attack_count;
    QComboBox* auto_trigger;
  };
  const Fields& fields() const { return fields_; }
  const SlotButtonRow& slot_buttons() const { return *slot_buttons_; }
  const DialogButtons& buttons() const { return *buttons_; }

  const Attacker& working() const { return working_; }

  // Refused after a swap: Escape and the close box as well as Cancel.
  void reject() override;

 private:
  void LayOut();
  void FillLists();
  void BindControls();
  void ShowWorking();
  void StoreDefenceFlags();

  Attacker working_;
  SlotOperations<Attacker> operations_;
  Fields fields_;
  SlotButtonRow* slot_buttons_;
  DialogButtons* buttons_;
};

}  // namespace zelmora
