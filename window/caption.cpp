#include "window/caption.h"

#include <QPainter>

#include "gui/term_tooltips.h"

namespace zelmora {

Caption::Caption(const QString& text, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), text_(text), alignment_(alignment) {
  setToolTip(TermTooltip(text));
}

void Caption::SetText(const QString& text, Qt::Alignment alignment) {
  text_ = text;
  setToolTip(TermTooltip(text));
  alignment_ = alignment;
  update();
}

void Caption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(), static_cast<int>(alignment_ | Qt::AlignVCenter), text_);
}

}  // namespace zelmora
