#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "engine/encounter.h"

namespace zelmora {

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

  // An acceptance without a picked slot counts as Cancel.
  void done(int result) override;

 private:
  int picked_ = 0;
};

// Runs a chooser through the prompts: the picked slot, or nothing when the
// user cancelled.
std::optional<int> ChooseSlot(Prompts& prompts, QWidget* parent, const QString& prompt,
                              const SlotNames& names);

}  // namespace zelmora
