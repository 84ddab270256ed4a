#pragma once

#include <string>

#include "files/error_reason.h"

// Reasons for Windows's own error codes (GetLastError), in Japanese like
// those of files/error_reason.h. Windows only.
namespace zelmora {

std::string WindowsErrorReason(unsigned long code);

}  // namespace zelmora
