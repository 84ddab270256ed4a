#pragma once

#include <QString>
#include <optional>

#include "gui/prompts.h"

class QWidget;

// The desktop's own file dialog where the program runs on the platform's
// own windows: Windows's, which speaks the user's language and keeps no
// state of Qt's in the registry. Elsewhere nothing, and Qt's dialog is used.
namespace zelmora {

// The chosen path, an empty path when the user cancelled, or nothing when
// there is no native dialog to ask. `folder` is where the dialog starts.
std::optional<QString> NativeFileName(QWidget* parent, const FileChoice& choice, bool save,
                                      const QString& folder);

}  // namespace zelmora
