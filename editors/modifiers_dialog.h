#pragma once

#include <QDialog>

#include "engine/records.h"

class QLineEdit;

namespace zelmora {

class DialogButtons;

// "ボーナス／ペナルティ": the eight global bonuses the user enters. The
// fields are the dialog's only state; the caller maps the values onto the
// record after OK.
class ModifiersDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ModifiersDialog(const ShownModifiers& shown, QWidget* parent = nullptr);

  // The leading integer of each field, in ShownModifiers order.
  ShownModifiers Values() const;

  // The field of each value, in ShownModifiers order, which is also the tab
  // order: left to right, then down, in both boxes. 物理命中率 takes the
  // focus when the dialog opens.
  struct Fields {
    QLineEdit* physical_hit;
    QLineEdit* magic_hit;
    QLineEdit* physical_damage;
    QLineEdit* magic_damage;
    QLineEdit* physical_evasion;
    QLineEdit* magic_evasion;
    QLineEdit* physical_defence;
    QLineEdit* magic_defence;
  };
  const Fields& fields() const { return fields_; }
  const DialogButtons& buttons() const { return *buttons_; }

 private:
  void LayOut();

  Fields fields_{};
  DialogButtons* buttons_ = nullptr;
};

}  // namespace zelmora
