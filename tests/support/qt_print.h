#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts, not bytes. GoogleTest finds this beside
// QString, in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
