#pragma once

#include <QWidget>

class QDialog;
class QPushButton;

namespace zelmora {

// The row of "OK" and "ｷｬﾝｾﾙ" at the foot of a dialog: OK on the left and
// ｷｬﾝｾﾙ on the right, a lone button on the right. OK accepts and ｷｬﾝｾﾙ
// rejects. The first of them is the default button: Enter presses a focused
// button, and the default one anywhere else.
class DialogButtons : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { kOkCancel, kOk, kCancel };

  DialogButtons(QDialog& dialog, Kind kind);

  // nullptr for a button the row does not have.
  QPushButton* ok() const { return ok_; }
  QPushButton* cancel() const { return cancel_; }

 private:
  QPushButton* AddButton(const QString& caption, QDialog& dialog, void (QDialog::*closing)());

  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace zelmora
