#pragma once

#include <string>
#include <string_view>

// Reasons for Windows's own error codes (GetLastError), in Japanese like
// those of files/error_reason.h. Windows only.
namespace zelmora {

std::string WindowsErrorReason(unsigned long code);

// A target whose read-only attribute is set: Windows says only "access denied".
inline constexpr std::string_view kReadOnlyFileReason = "読み取り専用のファイルです";

}  // namespace zelmora
