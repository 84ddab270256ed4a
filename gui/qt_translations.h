#pragma once

class QCoreApplication;

namespace zelmora {

// Installs Qt's own Japanese texts (file dialogs, message box buttons, the
// input fields' context menu) whatever the locale, since the program's own
// texts are Japanese. Loading twice installs them once. Returns false when
// the translations are not installed; Qt's texts then stay English.
bool LoadQtJapanese(QCoreApplication& app);

}  // namespace zelmora
