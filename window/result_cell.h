#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "gui/number_fit.h"
#include "window/pairing_marks.h"

namespace zelmora {

// One read-only result of the grid, painted rather than held in an edit: a
// number fitted to the cell's width with the whole value in its tooltip, or
// a short text shown as it is. It takes no focus; it repaints only when what
// it shows changes, and a number is fitted only when it is to be painted.
class ResultCell : public QWidget {
 public:
  explicit ResultCell(Qt::Alignment alignment, QWidget* parent = nullptr);

  void ShowNumber(double value);
  void ShowText(const QString& text);
  // What the tooltip says instead of the whole value (a technique's
  // meaning); none when empty.
  void SetExplanation(const QString& explanation) { explanation_ = explanation; }
  // A tint behind the text; emphasis makes the text bold and underlined.
  void SetLook(const std::optional<Tint>& tint, bool emphasised);

  // What the cell shows, and the whole value its tooltip gives.
  const QString& text() const;
  QString WholeText() const;
  Qt::Alignment alignment() const { return alignment_; }
  bool emphasised() const { return emphasised_; }
  const std::optional<Tint>& tint() const { return tint_; }
  // The pixels the text may take: the cell less a pixel on each side.
  int TextRoom() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The value shown again at the next paint: fitted anew.
  void Refit();
  const NumberWidths& Widths() const;

  Qt::Alignment alignment_;
  std::optional<double> number_;
  mutable QString shown_;
  mutable bool fitted_ = true;
  QString explanation_;
  std::optional<Tint> tint_;
  bool emphasised_ = false;
  // Advances of the cell's font, shared by every cell with the same font.
  mutable std::shared_ptr<const NumberWidths> widths_;
};

}  // namespace zelmora
