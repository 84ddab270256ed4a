#include "editors/modifiers_dialog.h"

#include <QLineEdit>
#include <iterator>

#include "engine/text.h"
#include "gui/dialog_builder.h"
#include "gui/numeric_text.h"
#include "resources/modifiers_ids.h"

namespace zelmora {
namespace {

using modifiers_ids::kShownFields;
static_assert(kShownFields.size() == std::tuple_size_v<ShownModifiers>);

}  // namespace

ModifiersDialog::ModifiersDialog(const ShownModifiers& shown, QWidget* parent) : QDialog(parent) {
  BuildDialog(*this, layout::kModifiersDialog);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SetTextFromStart(*ControlById<QLineEdit>(*this, kShownFields[i]),
                     QString::fromStdString(FormatInt(shown[i])));
  }
}

ShownModifiers ModifiersDialog::Values() const {
  ShownModifiers values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] =
        ParseLeadingInt(NumericText(ControlById<QLineEdit>(*this, kShownFields[i])->text()));
  }
  return values;
}

}  // namespace zelmora
