#include "window/grid_accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "window/grid_input.h"
#include "window/pairing_cell.h"

namespace zelmora {
namespace {

// Once its line edit stands in it, a cell is only the place that holds it.
class InputCellAccessible : public QAccessibleWidget {
 public:
  explicit InputCellAccessible(GridInput* cell) : QAccessibleWidget(cell) {}

  QAccessible::Role role() const override {
    return Cell().findChild<QLineEdit*>() ? QAccessible::Client : QAccessible::EditableText;
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Cell().text() : QAccessibleWidget::text(kind);
  }

 private:
  GridInput& Cell() const { return *static_cast<GridInput*>(widget()); }
};

class PairingAccessible : public QAccessibleWidget {
 public:
  explicit PairingAccessible(PairingCell* pairing)
      : QAccessibleWidget(pairing, QAccessible::Cell) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Description) return QAccessibleWidget::text(kind);
    return static_cast<PairingCell*>(widget())->WholeResults();
  }
};

QAccessibleInterface* GridAccessible(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(GridInput::staticMetaObject.className())) {
    return new InputCellAccessible(static_cast<GridInput*>(object));
  }
  if (class_name == QLatin1String(PairingCell::staticMetaObject.className())) {
    return new PairingAccessible(static_cast<PairingCell*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallGridAccessibility() {
  static const bool installed = (QAccessible::installFactory(&GridAccessible), true);
  (void)installed;
}

void AnnouncePairing(QObject& pairing) {
  QAccessibleEvent focus(&pairing, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace zelmora
