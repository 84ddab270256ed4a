#include "files/error_reason.h"

#include <errno.h>
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
    {EBADF, {"the stream is not open", "出力先が開かれていません"}},
    {EPIPE, {"the reading end has closed", "読み取る側が閉じられました"}},
    {EINVAL, {"invalid argument", "引数が正しくありません"}},
    {ENXIO, {"no such device", "デバイスがありません"}},
    {ENODEV, {"no such device", "デバイスがありません"}},
    {EBUSY, {"the file or device is busy", "ファイルまたはデバイスが使用中です"}},
#ifdef ETXTBSY
    {ETXTBSY, {"the file is a running program", "実行中のプログラムのファイルです"}},
#endif
    {EXDEV, {"not on the same file system", "同じファイルシステムにありません"}},
    {EMFILE, {"too many open files", "開いているファイルが多すぎます"}},
    {ENFILE, {"too many open files in the system", "システムで開いているファイルが多すぎます"}},
    {EAGAIN, {"the resource is temporarily unavailable", "一時的に使えません"}},
    {EINTR, {"interrupted", "中断されました"}},
    {ESPIPE, {"cannot seek in the stream", "この出力先では位置を移動できません"}},
#ifdef EOVERFLOW
    {EOVERFLOW, {"value too large", "値が大きすぎます"}},
#endif
    {ENOTEMPTY, {"the folder is not empty", "フォルダが空ではありません"}},
};

// Any other error: its number, in the program's own words.
constexpr LocalizedText kOtherError{"error number ", "エラー番号 "};

// A roster character the code page lacks: the character between these.
constexpr LocalizedText kUnholdableBefore{"\u201C", "「"};
constexpr LocalizedText kUnholdableAfter{"\u201D is not a character of Shift JIS",
                                         "」はシフトJISにない文字です"};

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
    {"no line of the file is a roster line", kNoRosterLineReason},
};

}  // namespace

std::string ErrorReason(int error_number) {
  for (const auto& [number, reason] : kReasons) {
    if (number == error_number) return std::string(reason.japanese);
  }
  return ErrorNumberReason(static_cast<unsigned long>(error_number));
}

std::string ErrorNumberReason(unsigned long number) {
  return std::string(kOtherError.japanese) + std::to_string(number);
}

std::string UnholdableReason(std::string_view character) {
  return std::string(kUnholdableBefore.japanese) + std::string(character) +
         std::string(kUnholdableAfter.japanese);
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
  if (other != std::end(kReasonsWithoutErrno)) return std::string(other->In(language));
  if (reason.starts_with(kOtherError.japanese)) {
    return std::string(kOtherError.In(language)) +
           std::string(reason.substr(kOtherError.japanese.size()));
  }
  if (reason.starts_with(kUnholdableBefore.japanese) &&
      reason.ends_with(kUnholdableAfter.japanese)) {
    const std::string_view character = reason.substr(
        kUnholdableBefore.japanese.size(),
        reason.size() - kUnholdableBefore.japanese.size() - kUnholdableAfter.japanese.size());
    return std::string(kUnholdableBefore.In(language)) + std::string(character) +
           std::string(kUnholdableAfter.In(language));
  }
  return std::string(reason);
}

}  // namespace zelmora
