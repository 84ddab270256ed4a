#include "files/error_reason.h"

#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <array>
#include <utility>

namespace zelmora {
namespace {

// The errors a user meets with files, worded for a game master rather than
// for a programmer.
constexpr std::array<std::pair<int, std::string_view>, 13> kReasons{{
    {ENOENT, "ファイルまたはフォルダがありません"},
    {EACCES, "アクセスが許可されていません"},
    {EPERM, "操作が許可されていません"},
    {EROFS, "読み取り専用のファイルシステムです"},
    {ENOSPC, "ディスクの空き容量が足りません"},
    {EDQUOT, "ディスクの使用量の上限（クォータ）を超えました"},
    {EFBIG, "ファイルが大きすぎます"},
    {EISDIR, "フォルダです"},
    {ENOTDIR, "フォルダではありません"},
    {ENAMETOOLONG, "名前が長すぎます"},
    {ELOOP, "シンボリックリンクが多すぎます"},
    {EIO, "入出力エラーが起きました"},
    {ENOMEM, "メモリが足りません"},
}};

}  // namespace

std::string ErrorReason(int error_number) {
  for (const auto& [number, reason] : kReasons) {
    if (number == error_number) return std::string(reason);
  }
  return strerror(error_number);
}

std::optional<std::string> NonRegularFileReason(mode_t mode) {
  if (S_ISREG(mode)) return std::nullopt;
  if (S_ISDIR(mode)) return ErrorReason(EISDIR);
  return std::string(kNotRegularFileReason);
}

}  // namespace zelmora
