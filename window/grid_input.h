#pragma once

#include <QLineEdit>
#include <QWidget>

class QStyleOptionFrame;

namespace zelmora {

// An input cell of the grid. A line edit costs far more to make, fill and
// paint than the text it shows, and the grid has 35 of them, most of which
// are never typed in during a session. So a cell first only paints its text
// the way a line edit would; the focus, a click, a drag or LineEdit() put a
// real line edit over it (input methods, selection, drops, its context
// menu), which takes the focus in the cell's place from then on. This holds
// the first paint within its limit in bench/speed_limits.sh (at most 1.3
// times the instructions of a minimal dialog with the window's Japanese
// title).
//
// Once the focus leaves it, the cell shows its text from the first
// character again, so that a long name shows its head rather than its tail.
// The undo and redo keys belong to the window, whose history undoes the
// whole table, this cell's typing included.
class GridInput : public QWidget {
  Q_OBJECT

 public:
  explicit GridInput(QWidget* parent = nullptr);

  QString text() const;
  // Puts `text` in the cell when it differs, shown from its start; the
  // program's own text never counts as an edit.
  void ShowText(const QString& text);
  // The line edit that takes the typing, made on first use.
  QLineEdit& LineEdit();
  // What assistive tools call the cell, and its line edit once made.
  void Name(const QString& name);
  // Lets `filter` see the events of the cell and of its line edit first.
  void FilterEvents(QObject* filter);

  QSize sizeHint() const override;
  // The text is wider than the cell shows.
  bool TextIsCut() const;

 signals:
  // The user changed the text, as QLineEdit::textEdited.
  void TextEdited();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  // The click that made the line edit goes on in it.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;

 private:
  QLineEdit* MakeLineEdit();
  void DrawPanel(QPainter& painter, const QStyleOptionFrame& panel) const;
  void PassOn(QEvent* event);

  QString text_;
  QLineEdit* line_edit_ = nullptr;  // a child, once made
  QObject* filter_ = nullptr;
  bool passing_on_ = false;
};

}  // namespace zelmora
