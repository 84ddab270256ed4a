#pragma once

#include <QDialog>

#include "engine/records.h"

namespace zelmora {

// "ボーナス／ペナルティ": the eight global bonuses the user enters. The
// fields are the dialog's only state; the caller maps the values onto the
// record after OK.
class ModifiersDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ModifiersDialog(const ShownModifiers& shown, QWidget* parent = nullptr);

  // The leading integer of each field, in ShownModifiers order.
  ShownModifiers Values() const;
};

}  // namespace zelmora
