#include "files/system_error.h"

#include <errno.h>
#include <windows.h>

#include <string_view>

#include "files/error_reason.h"

namespace zelmora {
namespace {

// Windows's codes for the troubles a user meets with files: the reason of
// the errno that says the same, or one of Windows's own (a file another
// program holds open or locks, a write-protected disk, a forbidden name).
struct WindowsReason {
  DWORD code;
  int same_as = 0;  // an errno, or 0 for `own`
  std::string_view own = {};
};
constexpr WindowsReason kWindowsReasons[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_SHARING_VIOLATION, 0, kInUseReason},
    {ERROR_LOCK_VIOLATION, 0, kLockedReason},
    {ERROR_WRITE_PROTECT, 0, kWriteProtectedReason},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_INVALID_NAME, 0, kInvalidNameReason},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_FILE_TOO_LARGE, EFBIG},
    {ERROR_CRC, EIO},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_INVALID_HANDLE, EBADF},
};

}  // namespace

static_assert(kOutOfMemoryError == ERROR_NOT_ENOUGH_MEMORY &&
              kNoProgressError == ERROR_WRITE_FAULT);

SystemError LastSystemError() { return GetLastError(); }

std::string SystemErrorReason(SystemError code) {
  for (const WindowsReason& reason : kWindowsReasons) {
    if (reason.code != code) continue;
    return reason.same_as ? ErrorReason(reason.same_as) : std::string(reason.own);
  }
  return ErrorNumberReason(code);
}

}  // namespace zelmora
