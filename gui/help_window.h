#pragma once

#include <QWidget>

class QTextBrowser;

namespace zelmora {

// The program's help (F1): a window of its own with a few linked pages in
// Japanese, on the grid, the abbreviations and the rules the numbers
// follow. Pages come from the program's resources.
class HelpWindow : public QWidget {
  // ShowFor finds the window's own help among its children by this type.
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // F1: shows the help window of `parent`, made on first use, and brings it
  // to the front, so that pressing F1 again opens no second one.
  static HelpWindow& ShowFor(QWidget& parent);

  QTextBrowser& browser() { return *browser_; }

 protected:
  // Escape closes it, as it closes the program's dialogs.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* browser_;
};

}  // namespace zelmora
