#pragma once

#include <QString>
#include <QStringList>

namespace zelmora {

// The rosters saved or loaded last, newest first, kept in the user's
// settings so that they outlive the window.
class RecentFiles {
 public:
  static constexpr int kLimit = 8;

  static QStringList List();
  // Puts `path` first; an older entry of the same file goes, and so does
  // whatever falls past the limit.
  static void Add(const QString& path);
  static void Remove(const QString& path);
};

}  // namespace zelmora
