#include "app/window_program.h"

#include <windows.h>

#include "app/option_table.h"
#include "files/error_reason.h"
#include "files/system_error.h"
#include "files/wide_text_windows.h"

namespace zelmora {
namespace {

// The folder of the running program itself.
std::wstring OwnFolder() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The window's program, named by the build (zelmora.exe beside zelmora.com).
std::wstring WindowProgram() { return OwnFolder() + ZELMORA_WINDOW_PROGRAM_FILE; }

// The arguments after the program's name, exactly as this program got them.
std::wstring ArgumentsAsGiven() {
  const std::wstring_view line = GetCommandLineW();
  std::size_t at = 0;
  const bool quoted = !line.empty() && line.front() == L'"';
  if (quoted) at = line.find(L'"', 1);
  at = line.find_first_of(L" \t", at == std::wstring_view::npos ? line.size() : at);
  return at == std::wstring_view::npos ? std::wstring() : std::wstring(line.substr(at));
}

}  // namespace

std::string WindowProgramPath() {
  const std::wstring program = WindowProgram();
  return GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string()
                                                                        : Utf8FromWide(program);
}

// Windows cannot replace a process: the window's program runs as a child
// with the same arguments, and its exit status is this program's.
int RunWindowProgram(char** /*argv*/, const Console& console) {
  const std::wstring program = WindowProgram();
  std::wstring command = L"\"" + program + L"\"" + ArgumentsAsGiven();
  // Started from Explorer, the console is this program's alone: it goes at
  // once rather than stay open behind the window.
  DWORD processes[2];
  if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    console.err << kProgramName << ": " << Utf8FromWide(program) << ": "
                << ReasonIn(console.language, SystemErrorReason(LastSystemError())) << '\n';
    return kExitFileError;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = kExitFileError;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}

}  // namespace zelmora
