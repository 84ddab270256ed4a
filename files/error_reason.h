#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "files/localized_text.h"

// The reason a file error message gives: in Japanese, the window's language,
// whatever the locale; the command line may show it in English instead.
namespace zelmora {

// The common errors from the program's own table; any other error by its
// number, never in the system's words, which follow no language of ours.
std::string ErrorReason(int error_number);
// An error the table lacks, errno or a platform's code: by its number.
std::string ErrorNumberReason(unsigned long number);

// A roster refused for a character code page 932 cannot hold (UTF-8).
std::string UnholdableReason(std::string_view character);

// Reasons that no errno carries.
inline constexpr std::string_view kNotRegularFileReason = "通常のファイルではありません";
// A file in which no line selects a record of the table.
inline constexpr std::string_view kNoRosterLineReason = "ロスターの行がありません";
// A roster or sheet over the size limit of the readers.
inline constexpr std::string_view kTooLargeToReadReason =
    "ファイルが大きすぎます（読み込めるのは 64 MiB まで）";

// Why a folder for the user's own state or settings is not used.
inline constexpr std::string_view kForeignFolderReason = "ほかのユーザーのフォルダです";
inline constexpr std::string_view kSharedFolderReason = "ほかのユーザーも書き込めるフォルダです";
// A settings file over the size the program reads.
inline constexpr std::string_view kTooLargeSettingsReason =
    "ファイルが大きすぎます（設定として読み込めるのは 1 MiB まで）";

// What Windows says in codes of its own (files/system_error.h).
inline constexpr std::string_view kInUseReason = "ほかのプログラムがファイルを使っています";
inline constexpr std::string_view kLockedReason = "ほかのプログラムがファイルをロックしています";
inline constexpr std::string_view kWriteProtectedReason = "ディスクが書き込み禁止になっています";
inline constexpr std::string_view kInvalidNameReason = "ファイル名に使えない文字があります";
// A target whose read-only attribute is set: Windows says only "access denied".
inline constexpr std::string_view kReadOnlyFileReason = "読み取り専用のファイルです";

// Why a file of `mode` is neither read nor replaced: a folder, or anything
// else that is not a regular file. Nothing for a regular file.
std::optional<std::string> NonRegularFileReason(mode_t mode);

// A reason from the functions above in `language`; words the program's
// tables do not hold stay as they are.
std::string ReasonIn(Language language, std::string_view reason);

}  // namespace zelmora
