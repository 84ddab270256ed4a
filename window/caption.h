#pragma once

#include <QString>
#include <QWidget>

namespace zelmora {

// A fixed label of the grid ("成功率", "D+", ...), painted in the size its
// place gives it. Unlike a QLabel it lays no text out to answer a size
// hint: the grid has dozens of them and every one would be measured before
// the first picture (bench/speed_limits.sh: the first paint at most 1.3
// times a minimal dialog's with the window's Japanese title).
class Caption : public QWidget {
 public:
  explicit Caption(const QString& text = {}, Qt::Alignment alignment = Qt::AlignLeft,
                   QWidget* parent = nullptr);

  const QString& text() const { return text_; }
  void SetText(const QString& text, Qt::Alignment alignment);
  QSize sizeHint() const override { return minimumSize(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  Qt::Alignment alignment_;
};

}  // namespace zelmora
