#include "gui/help_window.h"

#include <QFont>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

// The resource lives in this static library; the call makes sure the linker
// keeps it.
static void InitHelpResource() { Q_INIT_RESOURCE(help); }

namespace zelmora {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  InitHelpResource();
  setWindowTitle(QStringLiteral("ZELMORA 確率計算プログラム ヘルプ"));
  setFont(QFont(QStringLiteral("IPAPGothic"), 10));
  browser_->setOpenLinks(true);
  browser_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // A few screens' worth, but never more than the screen holds.
  const QSize available = screen()->availableSize() * 0.9;
  resize(QSize(560, 620).boundedTo(available));
}

HelpWindow& HelpWindow::ShowFor(QWidget& parent) {
  auto* help = parent.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!help) help = new HelpWindow(&parent);
  help->show();
  help->raise();
  help->activateWindow();
  return *help;
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace zelmora
