#pragma once

#include <QWidget>

class QPushButton;

namespace zelmora {

// The line of an editor's slot and file buttons: "入れ替え", "コピー",
// "セーブ", "ロード" and "QVM取り込み", each as wide as its caption needs
// and the line filled.
class SlotButtonRow : public QWidget {
  Q_OBJECT

 public:
  explicit SlotButtonRow(QWidget& editor);

  QPushButton* swap() const { return swap_; }
  QPushButton* copy() const { return copy_; }
  QPushButton* save_one() const { return save_one_; }
  QPushButton* load_one() const { return load_one_; }
  QPushButton* import_sheet() const { return import_sheet_; }

 private:
  QPushButton* AddButton(const QString& caption, int width);

  QPushButton* swap_;
  QPushButton* copy_;
  QPushButton* save_one_;
  QPushButton* load_one_;
  QPushButton* import_sheet_;
};

}  // namespace zelmora
