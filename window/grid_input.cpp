#include "window/grid_input.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "gui/dialog_units.h"

namespace zelmora {
namespace {

// The line edit a cell becomes. A popup (a context menu) taking the focus
// does not count as leaving it.
class CellLineEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && IsWindowKey(*static_cast<QKeyEvent*>(event))) {
      return true;  // not accepted: the window's shortcut runs
    }
    return QLineEdit::event(event);
  }

  void focusOutEvent(QFocusEvent* event) override {
    if (event->reason() != Qt::PopupFocusReason) setCursorPosition(0);
    QLineEdit::focusOutEvent(event);
  }

 private:
  // Undo and redo, and Shift+F10, which opens this field's context menu
  // through the window.
  static bool IsWindowKey(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           key.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           key.keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
  }
};

// A line edit's margins around its text, in pixels (QLineEdit's own).
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

}  // namespace

GridInput::GridInput(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  setCursor(Qt::IBeamCursor);
  setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed, QSizePolicy::LineEdit));
}

QString GridInput::text() const { return line_edit_ ? line_edit_->text() : text_; }

void GridInput::ShowText(const QString& text) {
  if (text == this->text()) return;
  if (!line_edit_) {
    text_ = text;
    update();
    return;
  }
  line_edit_->setText(text);
  line_edit_->setCursorPosition(0);
}

QLineEdit& GridInput::LineEdit() {
  if (!line_edit_) setFocusProxy(MakeLineEdit());
  return *line_edit_;
}

// The line edit takes the focus with the reason the cell got it, so that
// Tab selects its text as it would have; only then is it the cell's proxy.
void GridInput::focusInEvent(QFocusEvent* event) {
  if (line_edit_) return;
  MakeLineEdit()->setFocus(event->reason());
  setFocusProxy(line_edit_);
}

// It stands in the Tab order where the cell stands.
QLineEdit* GridInput::MakeLineEdit() {
  line_edit_ = new CellLineEdit(text_, this);
  // What the user types next may be any character.
  line_edit_->setFont(MergingFont(font()));
  text_.clear();
  line_edit_->setCursorPosition(0);
  line_edit_->setGeometry(rect());
  line_edit_->setAccessibleName(accessibleName());
  if (filter_) line_edit_->installEventFilter(filter_);
  connect(line_edit_, &QLineEdit::textEdited, this, &GridInput::TextEdited);
  setTabOrder(this, line_edit_);
  line_edit_->show();
  return line_edit_;
}

void GridInput::Name(const QString& name) {
  if (accessibleName() == name) return;
  setAccessibleName(name);
  if (line_edit_) line_edit_->setAccessibleName(name);
}

bool GridInput::TextIsCut() const {
  const QString shown = text();
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.rect = contentsRect();
  panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  return QFontMetrics(FontFor(font(), shown)).horizontalAdvance(shown) >
         contents.width() - 2 * kHorizontalMargin;
}

// A text cut at the cell's edge shows whole in a tooltip, over the cell or
// its line edit (whose own tooltip events come up here).
bool GridInput::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  if (TextIsCut()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

void GridInput::FilterEvents(QObject* filter) {
  filter_ = filter;
  installEventFilter(filter);
  if (line_edit_) line_edit_->installEventFilter(filter);
}

// An event the line edit leaves comes back up to the cell, its parent: it
// goes no further.
void GridInput::PassOn(QEvent* event) {
  if (std::exchange(passing_on_, true)) {
    event->ignore();
    return;
  }
  QCoreApplication::sendEvent(&LineEdit(), event);
  passing_on_ = false;
}
void GridInput::mousePressEvent(QMouseEvent* event) { PassOn(event); }
void GridInput::mouseMoveEvent(QMouseEvent* event) { PassOn(event); }
void GridInput::mouseReleaseEvent(QMouseEvent* event) { PassOn(event); }
void GridInput::contextMenuEvent(QContextMenuEvent* event) { PassOn(event); }

// The window system hands the drag to the widget under the pointer, from
// the next move on the new line edit.
void GridInput::dragEnterEvent(QDragEnterEvent* event) {
  LineEdit();
  event->ignore();
}

void GridInput::resizeEvent(QResizeEvent*) {
  if (line_edit_) line_edit_->setGeometry(rect());
}

// As a line edit asks the style for its size, with no text margins.
QSize GridInput::sizeHint() const {
  ensurePolished();
  const QFontMetrics metrics = fontMetrics();
  const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  const QSize text(metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * kHorizontalMargin,
                   std::max(metrics.height(), std::max(14, icon - 2)) + 2 * kVerticalMargin);
  QStyleOptionFrame option;
  option.initFrom(this);
  option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  return style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
}

// The style draws a line edit's panel with rounded, smoothed edges, which
// costs more than the text in it; the grid's cells come in a few sizes, so
// each size is drawn once and copied from then on.
void GridInput::DrawPanel(QPainter& painter, const QStyleOptionFrame& panel) const {
  const qreal ratio = painter.device()->devicePixelRatio();
  const QString key = QStringLiteral("zelmora-grid-input-%1x%2@%3-%4-%5")
                          .arg(panel.rect.width())
                          .arg(panel.rect.height())
                          .arg(ratio)
                          .arg(panel.state.toInt())
                          .arg(panel.palette.cacheKey());
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    pixmap = QPixmap(panel.rect.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter drawing(&pixmap);
    QStyleOptionFrame at_origin = panel;
    at_origin.rect.moveTo(0, 0);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &at_origin, &drawing, this);
    drawing.end();
    QPixmapCache::insert(key, pixmap);
  }
  painter.drawPixmap(panel.rect.topLeft(), pixmap);
}

// The panel and the text where a line edit with its cursor at the start
// draws them, so that nothing moves when the line edit takes the cell over.
void GridInput::paintEvent(QPaintEvent*) {
  if (line_edit_) return;
  QPainter painter(this);
  QStyleOptionFrame panel;
  panel.initFrom(this);
  panel.rect = contentsRect();
  panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
  panel.midLineWidth = 0;
  panel.state |= QStyle::State_Sunken;
  panel.features = QStyleOptionFrame::None;
  DrawPanel(painter, panel);
  if (text_.isEmpty()) return;
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
  painter.setFont(FontFor(font(), text_));
  const QFontMetrics metrics = painter.fontMetrics();
  // Centred as a line edit centres it: by the taller of the line and the
  // text's own ink.
  const int height = std::max(metrics.boundingRect(text_).height(), metrics.height());
  const int top = contents.y() + (contents.height() - height + 1) / 2;
  painter.setClipRect(contents);
  painter.setPen(palette().color(QPalette::Text));
  // On the baseline of the text's own line, whose ascent is that of the
  // tallest font the text draws from; a line edit keeps the difference from
  // the rounded one of the metrics (at a scale of 2, half a pixel is a pixel).
  QTextLayout layout(text_, painter.font());
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const int shift = qRound(line.ascent()) - metrics.ascent();
  layout.draw(&painter, QPointF(contents.x() + kHorizontalMargin, top - shift));
}

}  // namespace zelmora
