#pragma once

#include <QString>
#include <string>

class QLineEdit;

// A name lives in its record as code page 932 bytes and in its field as
// text. The window's name cells and the editors' name fields take the
// user's edits the same way, with the same refusal.
namespace zelmora {

// The refusal of a character the code page cannot hold.
QString RefusedCharacterMessage(const QString& character);

// Takes the user's edit of `field` into `name`. A character the code page
// cannot hold is refused: the field goes back to the stored name, its cursor
// where the edit began, and a short notice names the character. Bytes of a
// name that do not decode are kept only until the user edits that name: the
// edit drops them, from the field too. Returns false when refused.
bool TakeNameEdit(QLineEdit& field, std::string& name);

}  // namespace zelmora
