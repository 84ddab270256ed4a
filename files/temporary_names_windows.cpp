#define _CRT_RAND_S  // NOLINT(bugprone-reserved-identifier): asks the C library for rand_s
#include "files/temporary_names_windows.h"

#include <stdlib.h>
#include <windows.h>

#include <charconv>
#include <cstdint>
#include <string_view>

#include "files/temporary_names.h"

namespace zelmora {
namespace {

constexpr std::wstring_view kPrefix = L".zelmora-";

// The process a temporary name belongs to, or 0 when it is not one of ours.
DWORD OwnerProcess(std::wstring_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  DWORD pid = 0;
  std::size_t digits = 0;
  for (; digits < name.size() && name[digits] >= L'0' && name[digits] <= L'9'; ++digits) {
    pid = pid * 10 + static_cast<DWORD>(name[digits] - L'0');
  }
  return digits > 0 && digits < 10 && digits < name.size() && name[digits] == L'-' ? pid : 0;
}

bool Running(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

}  // namespace

std::string NewTemporaryName() {
  unsigned int high = 0;
  unsigned int low = 0;
  if (rand_s(&high) != 0 || rand_s(&low) != 0) {
    high = GetTickCount();
    low = static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(&high));
  }
  const std::uint64_t random = (std::uint64_t{high} << 32) | low;
  char hex[17];
  const auto end = std::to_chars(hex, hex + sizeof hex, random, 16).ptr;
  return ".zelmora-" + std::to_string(GetCurrentProcessId()) + "-" + std::string(hex, end);
}

void RemoveStaleTemporariesIn(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileW((folder + L"\\" + std::wstring(kPrefix) + L"*").c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const DWORD pid = OwnerProcess(entry.cFileName);
    const bool file = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (pid != 0 && file && !Running(pid)) DeleteFileW((folder + L"\\" + entry.cFileName).c_str());
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
}

}  // namespace zelmora
