#include "files/same_file.h"

#include <windows.h>

#include <optional>

#include "files/wide_text_windows.h"

namespace zelmora {
namespace {

// The full path, "." and ".." resolved; nothing for a name that is not UTF-8.
std::optional<std::wstring> FullPath(const std::string& path) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide) return std::nullopt;
  const DWORD length = GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
  if (length == 0) return std::nullopt;
  std::wstring full(length, L'\0');
  full.resize(GetFullPathNameW(wide->c_str(), length, full.data(), nullptr));
  return full;
}

// The volume and the file's number on it: the same for every name of one file.
std::optional<std::pair<DWORD, ULONGLONG>> Identity(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  if (!known) return std::nullopt;
  return std::pair{info.dwVolumeSerialNumber,
                   (ULONGLONG{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  const std::optional<std::wstring> first = FullPath(a);
  const std::optional<std::wstring> second = FullPath(b);
  if (!first || !second) return false;
  // File names on Windows ignore case.
  if (CompareStringOrdinal(first->c_str(), -1, second->c_str(), -1, TRUE) == CSTR_EQUAL)
    return true;
  const auto first_identity = Identity(*first);
  return first_identity && first_identity == Identity(*second);
}

}  // namespace zelmora
