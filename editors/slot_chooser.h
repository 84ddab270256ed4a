#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "engine/encounter.h"

class QLineEdit;
class QPushButton;

namespace zelmora {

class DialogButtons;
class Prompts;

using SlotNames = std::array<QString, Encounter::kSlots>;

// "入れ替え／コピー": a question, the names of five slots and a number button
// beside each. Pressing a number picks that slot and accepts; there is no
// other way to accept.
class SlotChooser : public QDialog {
  Q_OBJECT

 public:
  SlotChooser(const QString& prompt, const SlotNames& names, QWidget* parent = nullptr);

  // 1 to 5 once a number was pressed, 0 before.
  int picked() const { return picked_; }

  // Slot n's number button and name are entry n - 1. The focus starts on
  // ｷｬﾝｾﾙ, and Tab goes on to the numbers 1 to 5.
  using Numbers = std::array<QPushButton*, Encounter::kSlots>;
  using Names = std::array<QLineEdit*, Encounter::kSlots>;
  const QLineEdit& prompt() const { return *prompt_; }
  const Numbers& numbers() const { return numbers_; }
  const Names& names() const { return names_; }
  const DialogButtons& buttons() const { return *buttons_; }

  // An acceptance without a picked slot counts as Cancel.
  void done(int result) override;

 private:
  void LayOut();

  int picked_ = 0;
  QLineEdit* prompt_ = nullptr;
  Numbers numbers_{};
  Names names_{};
  DialogButtons* buttons_ = nullptr;
};

// Runs a chooser through the prompts: the picked slot, or nothing when the
// user cancelled.
std::optional<int> ChooseSlot(Prompts& prompts, QWidget* parent, const QString& prompt,
                              const SlotNames& names);

}  // namespace zelmora
