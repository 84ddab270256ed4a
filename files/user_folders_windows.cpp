#include "files/user_folders.h"

#include <windows.h>

#include <cstdlib>

#include "files/system_error.h"
#include "files/wide_text_windows.h"

namespace zelmora {
namespace {

// The folder a variable names when it holds an absolute path: the state
// folder may be moved like on Linux (the tests do), else the user's local
// application-data folder. Read from the process's own wide environment:
// the C library's copy may have been made in the ANSI code page, which
// cannot hold a profile folder such as C:\Users\山田.
std::wstring StateFolder() {
  for (const wchar_t* variable : {L"XDG_STATE_HOME", L"LOCALAPPDATA"}) {
    const DWORD size = GetEnvironmentVariableW(variable, nullptr, 0);
    if (size < 3) continue;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(variable, value.data(), size));
    if (value.size() >= 2 && value[1] == L':') return value;
  }
  return {};
}

}  // namespace

// "zelmora\table.qvr" in the user's local application-data folder; the
// folder is the user's own there, so nothing more is asked of it.
KeptTablePlace FindKeptTablePlace() {
  const std::wstring base = StateFolder();
  if (base.empty()) return {};
  // A moved state folder may not exist yet; the application-data folder does.
  CreateDirectoryW(base.c_str(), nullptr);
  const std::wstring folder = base + L"\\zelmora";
  KeptTablePlace place;
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    place.refused = FileError{Utf8FromWide(folder), SystemErrorReason(LastSystemError())};
    return place;
  }
  place.path = Utf8FromWide(folder + L"\\table.qvr");
  return place;
}

std::string KeptTablePath() {
  const std::wstring base = StateFolder();
  return base.empty() ? std::string() : Utf8FromWide(base + L"\\zelmora\\table.qvr");
}

// Settings live in an INI file Qt reads itself; nothing is set aside.
std::optional<SettingsSetAside> SetAsideUnreadableSettings() { return std::nullopt; }

}  // namespace zelmora
