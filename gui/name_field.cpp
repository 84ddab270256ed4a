#include "gui/name_field.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

#include "gui/cp932_qstring.h"
#include "gui/field_notice.h"

namespace zelmora {
namespace {

// How a field shows bytes that do not decode.
constexpr QChar kUndecodable(0xFFFD);

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

void Refuse(QLineEdit& field, const std::string& name, const QString& refused) {
  const QString previous = QStringFromCp932(name);
  const qsizetype inserted = std::max<qsizetype>(field.text().size() - previous.size(), 0);
  const qsizetype cursor =
      std::clamp<qsizetype>(field.cursorPosition() - inserted, 0, previous.size());
  field.setText(previous);
  field.setCursorPosition(static_cast<int>(cursor));
  FieldNotice::Show(field, RefusedCharacterMessage(FirstUnsavable(refused)));
}

}  // namespace

QString RefusedCharacterMessage(const QString& character) {
  return QStringLiteral("「%1」はシフトJISにない文字なので、名称に使えません。").arg(character);
}

bool TakeNameEdit(QLineEdit& field, std::string& name) {
  const QString typed = field.text();
  QString kept = typed;
  qsizetype cursor = field.cursorPosition();
  if (QStringFromCp932(name).contains(kUndecodable)) {
    cursor -= typed.left(cursor).count(kUndecodable);
    kept.remove(kUndecodable);
  }
  std::optional<std::string> bytes = Cp932FromQString(kept);
  if (!bytes) {
    Refuse(field, name, kept);
    return false;
  }
  name = std::move(*bytes);
  if (kept != typed) {
    field.setText(kept);
    field.setCursorPosition(static_cast<int>(cursor));
  }
  return true;
}

}  // namespace zelmora
