#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <memory>
#include <optional>

#include "gui/number_fit.h"
#include "window/pairing_marks.h"

class QHelpEvent;
class QPainter;
class QLayoutItem;
class QWidget;

namespace zelmora {

// One read-only result of the grid: a number fitted to its place's width
// with the whole value in its tooltip, or a short text shown as it is.
// It is no widget of its own: the grid has 85 of them, and a widget costs
// about as much to make, show and send a paint to as its text costs to
// draw. It has a place in its owner's layout; the owner paints it there and
// shows its tooltip. It repaints only when what it shows changes, and a
// number is fitted only when it is to be painted: bench/speed_limits.sh
// holds one keystroke with its repaint to 550,000 instructions.
class ResultCell {
 public:
  ResultCell(QWidget& owner, Qt::Alignment alignment);

  // The cell's place for the owner's layout, which takes it over: `minimum`
  // in pixels, at most `maximum_width` wide (growing up to it when that is
  // larger), a fixed height.
  QLayoutItem* MakePlace(QSize minimum, int maximum_width);

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
  QString ToolTip() const { return explanation_.isEmpty() ? WholeText() : explanation_; }
  Qt::Alignment alignment() const { return alignment_; }
  bool emphasised() const { return emphasised_; }
  const std::optional<Tint>& tint() const { return tint_; }
  // The owner's font, bold and underlined when emphasised.
  const QFont& font() const;
  QFontMetrics fontMetrics() const { return QFontMetrics(font()); }
  // Where the owner's layout put the cell, in the owner's coordinates.
  QRect geometry() const;
  // The pixels the text may take: the cell less a pixel on each side.
  int TextRoom() const;

  void Paint(QPainter& painter) const;

 private:
  void Update() const;
  const NumberWidths& Widths() const;

  QWidget& owner_;
  class Place;
  Place* place_ = nullptr;  // the owner's layout's
  Qt::Alignment alignment_;
  std::optional<double> number_;
  mutable QString shown_;
  mutable int fitted_room_ = -1;  // none: fit again before the next paint
  mutable const NumberWidths* fitted_with_ = nullptr;
  QString explanation_;
  std::optional<Tint> tint_;
  bool emphasised_ = false;
  mutable QFont owner_font_;
  mutable QFont font_;
  // Advances of the cell's font, shared by every cell with the same font.
  mutable std::shared_ptr<const NumberWidths> widths_;
};

// Paints those of an owner's `cells` that cross `area`.
void PaintResults(QPainter& painter, const QRect& area,
                  std::initializer_list<const ResultCell*> cells);

// Shows the tooltip of the one of `cells` under the event's position, if
// any; returns whether there was one.
bool ShowResultToolTip(const QHelpEvent& event, QWidget& owner,
                       std::initializer_list<const ResultCell*> cells);

}  // namespace zelmora
