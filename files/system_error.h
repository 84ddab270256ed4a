#pragma once

#include <errno.h>

#include <string>

// The platform's own error codes, and the reasons a message gives for them.
namespace zelmora {

#ifdef _WIN32
using SystemError = unsigned long;  // a code of GetLastError(); 0 is none
// ERROR_NOT_ENOUGH_MEMORY and ERROR_WRITE_FAULT, checked against <windows.h>
// where the codes are turned into reasons.
inline constexpr SystemError kOutOfMemoryError = 8;
inline constexpr SystemError kNoProgressError = 29;
#else
using SystemError = int;  // an errno; 0 is none
inline constexpr SystemError kOutOfMemoryError = ENOMEM;
inline constexpr SystemError kNoProgressError = EIO;  // a write that moved no byte
#endif

// The error the platform's last failed call left (errno, GetLastError()).
SystemError LastSystemError();

// The reason for `code` from the program's table (files/error_reason.h), or
// its number in the program's own words: never the system's, which follow no
// language of ours.
std::string SystemErrorReason(SystemError code);

}  // namespace zelmora
