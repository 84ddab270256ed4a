#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one conversion between a record's code page 932 bytes and the text a
// widget shows or the user typed.
namespace zelmora {

// A byte sequence that does not decode shows as U+FFFD; the record keeps its
// bytes.
QString QStringFromCp932(std::string_view cp932);

// Nothing when the text holds a character the code page cannot hold.
std::optional<std::string> Cp932FromQString(const QString& text);

}  // namespace zelmora
