#include "gui/screen_fit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "gui/dialog_buttons.h"

namespace zelmora {
namespace {

// The room a dialog has on its screen: the part not taken by panels, less
// what the window manager adds around it (its title bar and borders are not
// known before it is shown; two lines of text stand for them).
QSize Room(const QDialog& dialog) {
  const int frame = 2 * dialog.fontMetrics().height();
  return dialog.screen()->availableGeometry().size() - QSize(frame / 2, frame);
}

// Moves the dialog's lines into a scroll area, its buttons below that.
QScrollArea& ScrollLines(QDialog& dialog) {
  QLayout* lines = dialog.layout();
  const QMargins margins = lines->contentsMargins();
  auto* buttons = dialog.findChild<DialogButtons*>(QString(), Qt::FindDirectChildrenOnly);
  QWidget* focused = dialog.focusWidget();
  auto* content = new QWidget;
  content->setLayout(lines);  // the lines' widgets go with it, losing the focus
  if (buttons != nullptr) lines->removeWidget(buttons);
  // The lines fixed the dialog to their size; the scroll area now gives it
  // its size.
  dialog.setMinimumSize(0, 0);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from field to field as before
  scroll->setWidget(content);
  auto* column = new QVBoxLayout(&dialog);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(scroll);
  if (buttons != nullptr) {
    auto* foot = new QVBoxLayout;
    foot->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
    foot->addWidget(buttons);
    column->addLayout(foot);
  }
  if (focused != nullptr) focused->setFocus();
  return *scroll;
}

}  // namespace

void FitToScreen(QDialog& dialog) {
  if (dialog.layout() == nullptr || dialog.screen() == nullptr) return;
  const QSize room = Room(dialog);
  const QSize wanted = dialog.sizeHint();
  if (wanted.width() <= room.width() && wanted.height() <= room.height()) return;

  const int bottom = dialog.layout()->contentsMargins().bottom();
  QScrollArea& scroll = ScrollLines(dialog);
  // The lines and buttons as they were, the buttons' own margin below them,
  // and room for a scroll bar beside and below the lines, so that scrolling
  // one way does not make the other scroll too.
  const int bar = scroll.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QSize whole = wanted + QSize(bar, bar + bottom);
  dialog.setMaximumSize(whole);
  dialog.resize(whole.boundedTo(room));
}

}  // namespace zelmora
