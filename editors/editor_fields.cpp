#include "editors/editor_fields.h"

#include <QComboBox>
#include <QLineEdit>

#include "engine/text.h"
#include "gui/cp932_qstring.h"
#include "gui/dialog_lines.h"
#include "gui/name_field.h"
#include "gui/numeric_text.h"
#include "gui/text_fields.h"

namespace zelmora {

QLineEdit* NewInputField(QWidget& editor, int width) {
  QLineEdit* field = NewField(editor, width);
  ShowStartOnFocusOut(*field);
  return field;
}

void BindName(QLineEdit& edit, std::string& name) {
  QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                   [&edit, &name] { TakeNameEdit(edit, name); });
}

void ShowName(QLineEdit& edit, const std::string& name) {
  SetTextFromStart(edit, QStringFromCp932(name));
}

void BindNumber(QLineEdit& edit, std::int32_t& field) {
  QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                   [&field](const QString& text) { field = ParseLeadingInt(NumericText(text)); });
}

void ShowNumber(QLineEdit& edit, std::int32_t value) {
  SetTextFromStart(edit, QString::fromStdString(FormatInt(value)));
}

void FillList(QComboBox& list, LabelTable labels) {
  for (std::string_view label : labels) list.addItem(QStringFromCp932(label));
  list.setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void ShowPosition(QComboBox& list, std::int32_t position) {
  list.setCurrentIndex(position >= 0 && position < list.count() ? position : -1);
}

}  // namespace zelmora
