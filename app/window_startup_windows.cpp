#include "app/window_startup.h"

#include <windows.h>

#include <QSettings>

namespace zelmora {

// A signed-in user always has a desktop.
bool HasDisplay() { return true; }
void EndDisplayCheck() {}

// The program is a console program, so that reports, messages and exit
// statuses work in a command prompt as on Linux. Started from Explorer it
// gets a console of its own, which goes as soon as the window is wanted;
// started from a prompt, it shares the prompt's and keeps it for messages.
// Settings go to an INI file in the user's application-data folder rather
// than to the registry, like the kept table.
void PrepareForWindow() {
  DWORD processes[2];
  if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
  QSettings::setDefaultFormat(QSettings::IniFormat);
}

}  // namespace zelmora
