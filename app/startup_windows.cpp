#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

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

}  // namespace zelmora
