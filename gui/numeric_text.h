#pragma once

#include <QString>
#include <string>

namespace zelmora {

// The text of a numeric field as the engine's parsers read it: the
// full-width digits, plus, minus and comma that an input method in
// full-width mode gives, the minus sign U+2212, the hyphen and the long
// vowel mark ー (the minus key), and the ideographic comma 、 (the comma
// key) become their ASCII forms; everything else stays. Every read of a numeric field goes through
// here, so a full-width 55 is 55 in the grid and in every dialog.
std::string NumericText(const QString& text);

}  // namespace zelmora
