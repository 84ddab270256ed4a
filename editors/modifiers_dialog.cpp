#include "editors/modifiers_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <iterator>

#include "editors/dialog_builder.h"
#include "engine/text.h"

namespace zelmora {
namespace {

// The field of each ShownModifiers entry. The evasion and defence fields
// are not numbered in the order the values are kept.
constexpr int kFieldIds[] = {1251, 1252, 1253, 1254, 1255, 1257, 1256, 1258};
static_assert(std::size(kFieldIds) == std::tuple_size_v<ShownModifiers>);

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

}  // namespace

ModifiersDialog::ModifiersDialog(const ShownModifiers& shown, QWidget* parent) : QDialog(parent) {
  BuildDialog(*this, layout::kModifiersDialog);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    ControlById<QLineEdit>(*this, kFieldIds[i])
        ->setText(QString::fromStdString(FormatInt(shown[i])));
  }
  auto* ok = ControlById<QPushButton>(*this, kOkId);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(ControlById<QPushButton>(*this, kCancelId), &QPushButton::clicked, this,
          &QDialog::reject);
  ok->setFocus();
}

ShownModifiers ModifiersDialog::Values() const {
  ShownModifiers values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = ParseLeadingInt(ControlById<QLineEdit>(*this, kFieldIds[i])->text().toStdString());
  }
  return values;
}

}  // namespace zelmora
