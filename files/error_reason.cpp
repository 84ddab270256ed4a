#include "files/error_reason.h"

#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace zelmora {
namespace {

// The errors a user meets with files, worded for a game master rather than
// for a programmer.
constexpr std::pair<int, LocalizedText> kReasons[] = {
    {ENOENT, {"no such file or folder", "ファイルまたはフォルダがありません"}},
    {EACCES, {"permission denied", "アクセスが許可されていません"}},
    {EPERM, {"operation not permitted", "操作が許可されていません"}},
    {EROFS, {"read-only file system", "読み取り専用のファイルシステムです"}},
    {ENOSPC, {"no space left on the disk", "ディスクの空き容量が足りません"}},
#ifdef EDQUOT  // Windows has no quotas
    {EDQUOT, {"disk quota exceeded", "ディスクの使用量の上限（クォータ）を超えました"}},
#endif
    {EFBIG, {"file too large", "ファイルが大きすぎます"}},
    {EISDIR, {"is a folder", "フォルダです"}},
    {ENOTDIR, {"not a folder", "フォルダではありません"}},
    {ENAMETOOLONG, {"name too long", "名前が長すぎます"}},
    {ELOOP, {"too many symbolic links", "シンボリックリンクが多すぎます"}},
    {EIO, {"input/output error", "入出力エラーが起きました"}},
    {ENOMEM, {"not enough memory", "メモリが足りません"}},
    {EEXIST, {"a file of that name already exists", "同じ名前のファイルがすでにあります"}},
};

constexpr LocalizedText kReasonsWithoutErrno[] = {
    {"not a regular file", kNotRegularFileReason},
    {"file too large (at most 64 MiB can be read)", kTooLargeToReadReason},
    {"a folder of another user", kForeignFolderReason},
    {"a folder other users may write to", kSharedFolderReason},
    {"file too large (settings are read up to 1 MiB)", kTooLargeSettingsReason},
    {"another program is using the file", kInUseReason},
    {"another program has locked the file", kLockedReason},
    {"the disk is write-protected", kWriteProtectedReason},
    {"the name holds a character file names cannot", kInvalidNameReason},
    {"the file is read-only", kReadOnlyFileReason},
};

}  // namespace

std::string ErrorReason(int error_number) {
  for (const auto& [number, reason] : kReasons) {
    if (number == error_number) return std::string(reason.japanese);
  }
  return strerror(error_number);
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
  const auto* other =
      std::find_if(std::begin(kReasonsWithoutErrno), std::end(kReasonsWithoutErrno), is_reason);
  return std::string(other == std::end(kReasonsWithoutErrno) ? reason : other->In(language));
}

}  // namespace zelmora
