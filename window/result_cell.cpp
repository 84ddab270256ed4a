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
  if (number_ == value && !shown_.isEmpty()) return;
  number_ = value;
  Fit();
}

void ResultCell::ShowText(const QString& text) {
  number_.reset();
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
    setFont(bold);  // the font change fits the value again to the wider digits
  }
  update();
}

QString ResultCell::WholeText() const {
  return number_ ? QString::fromStdString(FormatGeneral(*number_)) : shown_;
}

int ResultCell::TextRoom() const { return std::max(width() - 2 * kPad, 0); }

const NumberWidths& ResultCell::Widths() {
  if (!widths_) widths_ = WidthsFor(font());
  return *widths_;
}

void ResultCell::Fit() {
  if (!number_) return;
  QString fitted = FitNumber(*number_, Widths(), TextRoom());
  if (fitted == shown_) return;
  shown_ = std::move(fitted);
  update();
}

// The whole value is worked out only when the tooltip is asked for.
bool ResultCell::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), WholeText(), this);
      return true;
    case QEvent::FontChange:
      widths_.reset();
      Fit();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void ResultCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), tint_ ? ToColor(tint_->background) : palette().color(QPalette::Window));
  painter.setPen(tint_ ? ToColor(tint_->text) : palette().color(QPalette::WindowText));
  painter.drawText(rect().adjusted(kPad, 0, -kPad, 0), alignment_ | Qt::AlignVCenter, shown_);
}

void ResultCell::resizeEvent(QResizeEvent*) { Fit(); }

}  // namespace zelmora
