#include "window/result_cell.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
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

ResultCell::ResultCell(Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), alignment_(alignment) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ResultCell::ShowNumber(double value) {
  if (number_ == value) return;
  number_ = value;
  Refit();
}

void ResultCell::ShowText(const QString& text) {
  number_.reset();
  fitted_ = true;
  if (text == shown_) return;
  shown_ = text;
  update();
}

void ResultCell::SetLook(const std::optional<Tint>& tint, bool emphasised) {
  if (tint == tint_ && emphasised == emphasised_) return;
  tint_ = tint;
  if (emphasised != emphasised_) {
    emphasised_ = emphasised;
    QFont bold = font();
    bold.setBold(emphasised);
    bold.setUnderline(emphasised);
    setFont(bold);  // the value is fitted again to the wider digits
  }
  update();
}

QString ResultCell::WholeText() const {
  return number_ ? QString::fromStdString(FormatGeneral(*number_)) : shown_;
}

int ResultCell::TextRoom() const { return std::max(width() - 2 * kPad, 0); }

const NumberWidths& ResultCell::Widths() const {
  if (!widths_) widths_ = WidthsFor(font());
  return *widths_;
}

void ResultCell::Refit() {
  if (!number_) return;
  fitted_ = false;
  update();
}

const QString& ResultCell::text() const {
  if (!fitted_) {
    shown_ = FitNumber(*number_, Widths(), TextRoom());
    fitted_ = true;
  }
  return shown_;
}

// The whole value is worked out only when the tooltip is asked for.
bool ResultCell::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                         explanation_.isEmpty() ? WholeText() : explanation_, this);
      return true;
    case QEvent::FontChange:
      widths_.reset();
      Refit();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

// The text is placed by its known width rather than laid out in a
// rectangle: a number's width is a sum of cached advances.
void ResultCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), tint_ ? ToColor(tint_->background) : palette().color(QPalette::Window));
  painter.setPen(tint_ ? ToColor(tint_->text) : palette().color(QPalette::WindowText));
  const QString& shown = text();
  const int width =
      number_ ? static_cast<int>(Widths().Of(shown)) : fontMetrics().horizontalAdvance(shown);
  int x = kPad;
  if (alignment_ & Qt::AlignRight) x = this->width() - kPad - width;
  if (alignment_ & Qt::AlignHCenter) x = (this->width() - width) / 2;
  const QFontMetrics metrics = fontMetrics();
  painter.drawText(QPoint(x, (height() - metrics.height()) / 2 + metrics.ascent()), shown);
}

void ResultCell::resizeEvent(QResizeEvent*) { Refit(); }

}  // namespace zelmora
