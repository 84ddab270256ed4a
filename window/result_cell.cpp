#include "window/result_cell.h"

#include <QHelpEvent>
#include <QLayoutItem>
#include <QPainter>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "engine/text.h"

namespace zelmora {
namespace {

// The pixels kept clear at each side of the text.
constexpr int kPad = 1;

QColor ToColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// One set of advances per font, shared by every cell drawn in it.
std::shared_ptr<const NumberWidths> WidthsFor(const QFont& font) {
  static std::vector<std::shared_ptr<const NumberWidths>> measured;
  for (const auto& widths : measured) {
    if (widths->font() == font) return widths;
  }
  measured.push_back(std::make_shared<const NumberWidths>(font));
  return measured.back();
}

}  // namespace

// A result's place in its owner's layout: a size range and the rectangle
// the layout gives. Unlike a spacer it is never empty, so that the layout
// keeps its spacing round it.
class ResultCell::Place final : public QLayoutItem {
 public:
  Place(QSize minimum, int maximum_width)
      : minimum_(minimum), maximum_(maximum_width, minimum.height()) {}

  QSize sizeHint() const override { return minimum_; }
  QSize minimumSize() const override { return minimum_; }
  QSize maximumSize() const override { return maximum_; }
  Qt::Orientations expandingDirections() const override {
    return maximum_.width() > minimum_.width() ? Qt::Horizontal : Qt::Orientations();
  }
  bool isEmpty() const override { return false; }
  void setGeometry(const QRect& rect) override { rect_ = rect; }
  QRect geometry() const override { return rect_; }

 private:
  QSize minimum_;
  QSize maximum_;
  QRect rect_;
};

ResultCell::ResultCell(QWidget& owner, Qt::Alignment alignment)
    : owner_(owner), alignment_(alignment) {}

QLayoutItem* ResultCell::MakePlace(QSize minimum, int maximum_width) {
  place_ = new Place(minimum, std::max(maximum_width, minimum.width()));
  return place_;
}

void ResultCell::ShowNumber(double value) {
  if (number_ == value) return;
  number_ = value;
  fitted_room_ = -1;
  Update();
}

void ResultCell::ShowText(const QString& text) {
  number_.reset();
  if (text == shown_) return;
  shown_ = text;
  Update();
}

void ResultCell::SetLook(const std::optional<Tint>& tint, bool emphasised) {
  if (tint == tint_ && emphasised == emphasised_) return;
  tint_ = tint;
  if (emphasised != emphasised_) {
    emphasised_ = emphasised;
    widths_.reset();
    fitted_room_ = -1;  // fitted again to the wider digits
  }
  Update();
}

QString ResultCell::WholeText() const {
  return number_ ? QString::fromStdString(FormatGeneral(*number_)) : shown_;
}

// Kept between paints: a font made anew would look its glyphs up anew.
const QFont& ResultCell::font() const {
  if (!(owner_font_ == owner_.font()) || font_.bold() != emphasised_) {
    owner_font_ = owner_.font();
    font_ = owner_font_;
    font_.setBold(emphasised_);
    font_.setUnderline(emphasised_);
  }
  return font_;
}

QRect ResultCell::geometry() const { return place_ ? place_->geometry() : QRect(); }

// Before its owner is first laid out, a cell has its smallest width.
int ResultCell::TextRoom() const {
  if (!place_) return 0;
  const int width =
      place_->geometry().isValid() ? place_->geometry().width() : place_->minimumSize().width();
  return std::max(width - 2 * kPad, 0);
}

void ResultCell::Update() const { owner_.update(geometry()); }

const NumberWidths& ResultCell::Widths() const {
  if (!widths_ || !(widths_->font() == font())) widths_ = WidthsFor(font());
  return *widths_;
}

// A number is fitted again whenever its room or its font has changed since.
const QString& ResultCell::text() const {
  if (number_ && (fitted_room_ != TextRoom() || fitted_with_ != &Widths())) {
    fitted_room_ = TextRoom();
    fitted_with_ = &Widths();
    shown_ = FitNumber(*number_, *fitted_with_, fitted_room_);
  }
  return shown_;
}

// The text is placed by its known width rather than laid out in a
// rectangle: a number's width is a sum of cached advances.
void ResultCell::Paint(QPainter& painter) const {
  const QRect place = geometry();
  painter.fillRect(place,
                   tint_ ? ToColor(tint_->background) : owner_.palette().color(QPalette::Window));
  const QString& shown = text();
  if (shown.isEmpty()) return;
  const QFont& font = this->font();
  const QFontMetrics metrics(font);
  const int width =
      number_ ? static_cast<int>(Widths().Of(shown)) : metrics.horizontalAdvance(shown);
  int x = place.left() + kPad;
  if (alignment_ & Qt::AlignRight) x = place.right() + 1 - kPad - width;
  if (alignment_ & Qt::AlignHCenter) x = place.left() + (place.width() - width) / 2;
  painter.setFont(font);
  painter.setPen(tint_ ? ToColor(tint_->text) : owner_.palette().color(QPalette::WindowText));
  painter.drawText(
      QPoint(x, place.top() + (place.height() - metrics.height()) / 2 + metrics.ascent()), shown);
}

void PaintResults(QPainter& painter, const QRect& area,
                  std::initializer_list<const ResultCell*> cells) {
  for (const ResultCell* cell : cells) {
    if (area.intersects(cell->geometry())) cell->Paint(painter);
  }
}

// The whole value is worked out only when the tooltip is asked for.
bool ShowResultToolTip(const QHelpEvent& event, QWidget& owner,
                       std::initializer_list<const ResultCell*> cells) {
  for (const ResultCell* cell : cells) {
    if (!cell->geometry().contains(event.pos())) continue;
    QToolTip::showText(event.globalPos(), cell->ToolTip(), &owner, cell->geometry());
    return true;
  }
  return false;
}

}  // namespace zelmora
