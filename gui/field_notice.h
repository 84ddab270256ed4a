#pragma once

#include <QLabel>
#include <QMetaObject>
#include <QTimer>

class QLineEdit;

namespace zelmora {

// A short note under a field about what the field refused. It takes neither
// focus nor input, so a click on the control beneath it reaches that
// control. It hides at the next key or click anywhere, after a few seconds,
// or when the field's text changes. One notice per window, owned by it.
class FieldNotice : public QLabel {
  Q_OBJECT

 public:
  // Shows `text` under `field`, in place of what the window's notice showed.
  static void Show(QLineEdit& field, const QString& text);
  // The notice of the window that `widget` is in, or nullptr if none was
  // ever shown there.
  static FieldNotice* Of(const QWidget& widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  explicit FieldNotice(QWidget& window);

  QTimer timer_;
  QMetaObject::Connection field_changed_;
};

}  // namespace zelmora
