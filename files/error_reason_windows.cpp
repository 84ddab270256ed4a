#include "files/error_reason.h"

#include <errno.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <utility>

#include "files/wide_text.h"
#include "files/windows_error.h"

namespace zelmora {
namespace {

// The C library's errors a user meets with files (the same words as on
// Linux; Windows has no quotas).
constexpr std::array<std::pair<int, LocalizedText>, 12> kReasons{{
    {ENOENT, {"no such file or folder", "ファイルまたはフォルダがありません"}},
    {EACCES, {"permission denied", "アクセスが許可されていません"}},
    {EPERM, {"operation not permitted", "操作が許可されていません"}},
    {EROFS, {"read-only file system", "読み取り専用のファイルシステムです"}},
    {ENOSPC, {"no space left on the disk", "ディスクの空き容量が足りません"}},
    {EFBIG, {"file too large", "ファイルが大きすぎます"}},
    {EISDIR, {"is a folder", "フォルダです"}},
    {ENOTDIR, {"not a folder", "フォルダではありません"}},
    {ENAMETOOLONG, {"name too long", "名前が長すぎます"}},
    {ELOOP, {"too many symbolic links", "シンボリックリンクが多すぎます"}},
    {EIO, {"input/output error", "入出力エラーが起きました"}},
    {ENOMEM, {"not enough memory", "メモリが足りません"}},
}};

// Windows's own codes for the same troubles, and for the ones Linux lacks:
// a file another program holds open or locks, a write-protected disk.
constexpr std::array<std::pair<DWORD, LocalizedText>, 15> kWindowsReasons{{
    {ERROR_FILE_NOT_FOUND, kReasons[0].second},
    {ERROR_PATH_NOT_FOUND, kReasons[0].second},
    {ERROR_ACCESS_DENIED, kReasons[1].second},
    {ERROR_SHARING_VIOLATION,
     {"another program is using the file", "ほかのプログラムがファイルを使っています"}},
    {ERROR_LOCK_VIOLATION,
     {"another program has locked the file", "ほかのプログラムがファイルをロックしています"}},
    {ERROR_WRITE_PROTECT, {"the disk is write-protected", "ディスクが書き込み禁止になっています"}},
    {ERROR_DISK_FULL, kReasons[4].second},
    {ERROR_HANDLE_DISK_FULL, kReasons[4].second},
    {ERROR_FILENAME_EXCED_RANGE, kReasons[8].second},
    {ERROR_INVALID_NAME,
     {"the name holds a character file names cannot", "ファイル名に使えない文字があります"}},
    {ERROR_DIRECTORY, kReasons[7].second},
    {ERROR_NOT_ENOUGH_MEMORY, kReasons[11].second},
    {ERROR_OUTOFMEMORY, kReasons[11].second},
    {ERROR_FILE_TOO_LARGE, kReasons[5].second},
    {ERROR_CRC, kReasons[10].second},
}};

constexpr std::array kReasonsWithoutCode{
    LocalizedText{"not a regular file", kNotRegularFileReason},
    LocalizedText{"file too large (at most 64 MiB can be read)", kTooLargeToReadReason},
    LocalizedText{"the file is read-only", kReadOnlyFileReason},
};

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
    if (number == error_number) return std::string(reason.japanese);
  }
  return strerror(error_number);
}

std::string WindowsErrorReason(unsigned long code) {
  for (const auto& [number, reason] : kWindowsReasons) {
    if (number == code) return std::string(reason.japanese);
  }
  return SystemText(code);
}

std::optional<std::string> NonRegularFileReason(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return ErrorReason(EISDIR);
  return std::string(kNotRegularFileReason);
}

std::string ReasonIn(Language language, std::string_view reason) {
  const auto is_reason = [reason](const LocalizedText& text) { return text.japanese == reason; };
  for (const auto& [number, text] : kReasons) {
    if (is_reason(text)) return std::string(text.In(language));
  }
  for (const auto& [code, text] : kWindowsReasons) {
    if (is_reason(text)) return std::string(text.In(language));
  }
  const auto other =
      std::find_if(kReasonsWithoutCode.begin(), kReasonsWithoutCode.end(), is_reason);
  return std::string(other == kReasonsWithoutCode.end() ? reason : other->In(language));
}

}  // namespace zelmora
