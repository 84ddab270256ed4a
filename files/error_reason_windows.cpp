#include "files/error_reason.h"

#include <errno.h>
#include <sys/stat.h>
#include <windows.h>

#include <array>
#include <utility>

#include "files/wide_text.h"
#include "files/windows_error.h"

namespace zelmora {
namespace {

// The C library's errors a user meets with files (the same words as on
// Linux; Windows has no quotas).
constexpr std::array<std::pair<int, std::string_view>, 12> kReasons{{
    {ENOENT, "ファイルまたはフォルダがありません"},
    {EACCES, "アクセスが許可されていません"},
    {EPERM, "操作が許可されていません"},
    {EROFS, "読み取り専用のファイルシステムです"},
    {ENOSPC, "ディスクの空き容量が足りません"},
    {EFBIG, "ファイルが大きすぎます"},
    {EISDIR, "フォルダです"},
    {ENOTDIR, "フォルダではありません"},
    {ENAMETOOLONG, "名前が長すぎます"},
    {ELOOP, "シンボリックリンクが多すぎます"},
    {EIO, "入出力エラーが起きました"},
    {ENOMEM, "メモリが足りません"},
}};

// Windows's own codes for the same troubles, and for the one Linux lacks:
// a file another program holds open.
constexpr std::array<std::pair<DWORD, std::string_view>, 15> kWindowsReasons{{
    {ERROR_FILE_NOT_FOUND, "ファイルまたはフォルダがありません"},
    {ERROR_PATH_NOT_FOUND, "ファイルまたはフォルダがありません"},
    {ERROR_ACCESS_DENIED, "アクセスが許可されていません"},
    {ERROR_SHARING_VIOLATION, "ほかのプログラムがファイルを使っています"},
    {ERROR_LOCK_VIOLATION, "ほかのプログラムがファイルをロックしています"},
    {ERROR_WRITE_PROTECT, "ディスクが書き込み禁止になっています"},
    {ERROR_DISK_FULL, "ディスクの空き容量が足りません"},
    {ERROR_HANDLE_DISK_FULL, "ディスクの空き容量が足りません"},
    {ERROR_FILENAME_EXCED_RANGE, "名前が長すぎます"},
    {ERROR_INVALID_NAME, "ファイル名に使えない文字があります"},
    {ERROR_DIRECTORY, "フォルダではありません"},
    {ERROR_NOT_ENOUGH_MEMORY, "メモリが足りません"},
    {ERROR_OUTOFMEMORY, "メモリが足りません"},
    {ERROR_FILE_TOO_LARGE, "ファイルが大きすぎます"},
    {ERROR_CRC, "入出力エラーが起きました"},
}};

// Windows's own text for a code the tables lack, with the code for a search.
std::string SystemText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring_view message(text, text ? length : 0);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
    message.remove_suffix(1);
  }
  std::string reason = "エラー " + std::to_string(code);
  if (!message.empty()) reason += "（" + Utf8FromWide(message) + "）";
  LocalFree(text);
  return reason;
}

}  // namespace

std::string ErrorReason(int error_number) {
  for (const auto& [number, reason] : kReasons) {
    if (number == error_number) return std::string(reason);
  }
  return strerror(error_number);
}

std::string WindowsErrorReason(unsigned long code) {
  for (const auto& [number, reason] : kWindowsReasons) {
    if (number == code) return std::string(reason);
  }
  return SystemText(code);
}

std::optional<std::string> NonRegularFileReason(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return ErrorReason(EISDIR);
  return std::string(kNotRegularFileReason);
}

}  // namespace zelmora
