#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one conversion between a path as the file layer holds it and the text
// the window shows, stores in its settings and hands to Qt: on Linux the
// file name's own bytes, on Windows UTF-8 (the file layer turns it into
// Windows's UTF-16).
namespace zelmora {

std::string FilePathBytes(const QString& path);
QString FilePathText(std::string_view path);

}  // namespace zelmora
