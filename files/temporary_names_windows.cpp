#define _CRT_RAND_S  // NOLINT(bugprone-reserved-identifier): asks the C library for rand_s
#include "files/temporary_names_windows.h"

#include <stdlib.h>
#include <windows.h>

#include "files/temporary_names.h"
#include "files/wide_text_windows.h"

namespace zelmora {
namespace {

bool Running(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

// The process of a temporary named `name`, or 0 when it is not one of ours.
DWORD OwnerProcess(const wchar_t* name) {
  const std::optional<std::uint64_t> owner = TemporaryOwner(Utf8FromWide(name));
  return owner && *owner <= MAXDWORD ? static_cast<DWORD>(*owner) : 0;
}

}  // namespace

std::uint64_t CurrentProcess() { return GetCurrentProcessId(); }

std::uint64_t RandomBits() {
  unsigned int high = 0;
  unsigned int low = 0;
  if (rand_s(&high) != 0 || rand_s(&low) != 0) {
    high = GetTickCount();
    low = static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(&high));
  }
  return (std::uint64_t{high} << 32) | low;
}

void RemoveStaleTemporariesIn(const std::wstring& folder) {
  // The prefix is ASCII: each of its bytes is its UTF-16 unit.
  const std::wstring pattern =
      folder + L"\\" + std::wstring(kTemporaryPrefix.begin(), kTemporaryPrefix.end()) + L"*";
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileW(pattern.c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const DWORD pid = OwnerProcess(entry.cFileName);
    const bool file = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (pid != 0 && file && !Running(pid)) DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
}

}  // namespace zelmora
