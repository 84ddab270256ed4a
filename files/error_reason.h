#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// The reason a file error message gives, in Japanese whatever the locale.
namespace zelmora {

// The common errors from the program's own table; any other error in the
// system's words (strerror).
std::string ErrorReason(int error_number);

// Reasons that no errno carries.
inline constexpr std::string_view kNotRegularFileReason = "通常のファイルではありません";
// A roster or sheet over the size limit of the readers.
inline constexpr std::string_view kTooLargeToReadReason =
    "ファイルが大きすぎます（読み込めるのは 64 MiB まで）";

// Why a folder for the user's own state or settings is not used.
inline constexpr std::string_view kForeignFolderReason = "ほかのユーザーのフォルダです";
inline constexpr std::string_view kSharedFolderReason = "ほかのユーザーも書き込めるフォルダです";
// A settings file over the size the program reads.
inline constexpr std::string_view kTooLargeSettingsReason =
    "ファイルが大きすぎます（設定として読み込めるのは 1 MiB まで）";

// Why a file of `mode` is neither read nor replaced: a folder, or anything
// else that is not a regular file. Nothing for a regular file.
std::optional<std::string> NonRegularFileReason(mode_t mode);

}  // namespace zelmora
