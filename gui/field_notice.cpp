#include "gui/field_notice.h"

#include <QApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace zelmora {
namespace {

// Long enough to read one sentence, short enough not to linger.
constexpr int kShownMilliseconds = 5000;

bool EndsTheNotice(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return true;
    case QEvent::InputMethod:
      return !static_cast<const QInputMethodEvent&>(event).commitString().isEmpty();
    default:
      return false;
  }
}

}  // namespace

// A tool window outside the window manager rather than a tooltip: X11 drops
// the input transparency of a tooltip window when it is shown again.
FieldNotice::FieldNotice(QWidget& window)
    : QLabel(&window, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                          Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setPalette(QToolTip::palette());
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMargin(2);
  timer_.setSingleShot(true);
  timer_.setInterval(kShownMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void FieldNotice::Show(QLineEdit& field, const QString& text) {
  QWidget& window = *field.window();
  FieldNotice* notice = Of(window);
  if (!notice) notice = new FieldNotice(window);
  notice->hide();
  disconnect(notice->field_changed_);
  notice->setFont(field.font());
  notice->setText(text);
  notice->adjustSize();
  notice->move(field.mapToGlobal(QPoint(0, field.height())));
  // The edit that was refused still reports its own text after this; only
  // a text other than the one restored ends the notice.
  notice->field_changed_ =
      connect(&field, &QLineEdit::textChanged, notice, [notice, &field, shown = field.text()] {
        if (field.text() != shown) notice->hide();
      });
  qApp->installEventFilter(notice);
  notice->timer_.start();
  notice->show();
}

FieldNotice* FieldNotice::Of(const QWidget& widget) {
  return widget.window()->findChild<FieldNotice*>(QString(), Qt::FindDirectChildrenOnly);
}

// Watches every event of the application while shown, and lets each one
// through: the key or click that ends the notice still does its work. Only
// Escape is taken: it closes the notice and nothing else, not the window.
bool FieldNotice::eventFilter(QObject* watched, QEvent* event) {
  if (!EndsTheNotice(*event)) return QLabel::eventFilter(watched, event);
  hide();
  return event->type() == QEvent::KeyPress &&
         static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

void FieldNotice::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  disconnect(field_changed_);
  timer_.stop();
  QLabel::hideEvent(event);
}

}  // namespace zelmora
