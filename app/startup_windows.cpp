#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <QSettings>

#include "app/startup.h"
#include "files/wide_text.h"

namespace zelmora {

// main() gets its arguments in the ANSI code page, which cannot hold every
// file name: the wide command line holds them all.
std::vector<std::string> CommandArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

void PrepareConsole() { SetConsoleOutputCP(CP_UTF8); }

// A signed-in user always has a desktop.
bool HasDisplay() { return true; }

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
