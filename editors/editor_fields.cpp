#include "editors/editor_fields.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <optional>

#include "editors/cp932_qstring.h"
#include "editors/dialog_builder.h"
#include "editors/number_fit.h"
#include "engine/text.h"
#include "files/cp932.h"

namespace zelmora {
namespace {

// The first character of `text` that code page 932 cannot hold.
QString FirstUnsavable(const QString& text) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QString character = text.mid(i, length);
    if (!Cp932FromQString(character)) return character;
    i += length;
  }
  return {};
}

void RefuseEdit(QLineEdit& edit, const QString& refused, const std::string& name) {
  const QString previous = QStringFromCp932(name);
  const qsizetype cursor = edit.cursorPosition() - (refused.size() - previous.size());
  edit.setText(previous);
  edit.setCursorPosition(static_cast<int>(std::clamp<qsizetype>(cursor, 0, previous.size())));
  const QString message = UnsavableCharacterMessage(FirstUnsavable(refused));
  edit.setToolTip(message);
  QToolTip::showText(edit.mapToGlobal(QPoint(0, edit.height())), message, &edit);
}

}  // namespace

QLineEdit& EditById(const QWidget& editor, int id) { return *ControlById<QLineEdit>(editor, id); }
QComboBox& ListById(const QWidget& editor, int id) { return *ControlById<QComboBox>(editor, id); }

QString UnsavableCharacterMessage(const QString& character) {
  return QStringLiteral("「%1」はシフトJISにない文字なので、名称に使えません。").arg(character);
}

void BindName(QLineEdit& edit, std::string& name) {
  QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit, &name](const QString& text) {
    if (std::optional<std::string> bytes = Cp932FromQString(text)) {
      name = std::move(*bytes);
      edit.setToolTip({});
      return;
    }
    RefuseEdit(edit, text, name);
  });
}

void ShowName(QLineEdit& edit, const std::string& name) {
  SetTextFromStart(edit, QStringFromCp932(name));
}

void BindNumber(QLineEdit& edit, std::int32_t& field) {
  QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                   [&field](const QString& text) { field = ParseLeadingInt(text.toStdString()); });
}

void ShowNumber(QLineEdit& edit, std::int32_t value) {
  SetTextFromStart(edit, QString::fromStdString(FormatInt(value)));
}

void FillList(QComboBox& list, LabelTable labels) {
  for (std::string_view label : labels) list.addItem(QStringFromCp932(label));
}

void ShowPosition(QComboBox& list, std::int32_t position) {
  list.setCurrentIndex(position >= 0 && position < list.count() ? position : -1);
}

}  // namespace zelmora
