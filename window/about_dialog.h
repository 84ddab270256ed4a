#pragma once

#include <QDialog>

namespace zelmora {

// "ﾊﾞｰｼﾞｮﾝ情報": the program's name and version, and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace zelmora
