#pragma once

#include <QPushButton>

namespace zelmora {

// A button of the grid. Its size is set from dialog units, so it asks the
// style for no size of its own: the grid has dozens, and each would measure
// its text before the first picture (bench/speed_limits.sh: the first paint
// at most 1.3 times a minimal dialog's). Enter presses it when it has the focus
// (auto-default), as it does in a dialog.
class GridButton : public QPushButton {
 public:
  explicit GridButton(const QString& text = {}, QWidget* parent = nullptr)
      : QPushButton(text, parent) {
    setAutoDefault(true);
  }

  QSize sizeHint() const override { return minimumSize(); }
  QSize minimumSizeHint() const override { return minimumSize(); }
};

}  // namespace zelmora
