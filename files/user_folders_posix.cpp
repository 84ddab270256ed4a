#include "files/user_folders.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

#include "files/error_reason.h"
#include "files/unique_fd_posix.h"

namespace zelmora {
namespace {

constexpr std::string_view kProgramFolder = "/zelmora";
constexpr std::string_view kKeptTableName = "/table.qvr";
constexpr std::string_view kSettingsName = "/zelmora.conf";
constexpr std::string_view kSetAsideSuffix = ".set-aside";

// An XDG base folder: the variable when it holds an absolute path (a relative
// one is to be ignored), else `fallback` under the home folder; empty when
// there is no home.
std::string BaseFolder(const char* variable, std::string_view fallback) {
  const char* value = getenv(variable);
  if (value != nullptr && value[0] == '/') return value;
  const char* home = getenv("HOME");
  if (home == nullptr || home[0] == '\0') return {};
  return std::string(home) + std::string(fallback);
}

// Makes the missing folders of `path`, each 0700; folders that exist are
// left as they are. Returns the errno of the last folder that could not be
// made, or 0.
int MakePrivateFolders(const std::string& path) {
  int error = 0;
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    if (mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) error = errno;
    if (slash == std::string::npos) return error;
  }
}

// Why the program's folder must not be used; nothing when it may.
// `make_error` is why it could not be made, if it could not.
std::optional<std::string> RefusedFolder(const std::string& folder, int make_error) {
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0) return ErrorReason(make_error != 0 ? make_error : errno);
  if (!S_ISDIR(info.st_mode)) return ErrorReason(ENOTDIR);  // a link in its place too
  if (info.st_uid != geteuid()) return std::string(kForeignFolderReason);
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return std::string(kSharedFolderReason);
  return std::nullopt;
}

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

// The previous version kept the table among the user's data. Moved once;
// where a move cannot cross file systems, copied and removed.
void MoveEarlierTable(const std::string& table) {
  const std::string data = BaseFolder("XDG_DATA_HOME", "/.local/share");
  if (data.empty() || Exists(table)) return;
  const std::string earlier = data + std::string(kProgramFolder) + std::string(kKeptTableName);
  struct stat info;
  if (lstat(earlier.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
  if (rename(earlier.c_str(), table.c_str()) == 0 || errno != EXDEV) return;
  const ReadResult file = ReadFileBytes(earlier);
  if (!file.error && !WriteFileSafely(table, file.bytes, Temporary::kUnnamedWherePossible, 0600)) {
    unlink(earlier.c_str());
  }
}

// A table kept readable by others by an earlier version is made private.
void MakePrivate(const std::string& table) {
  const UniqueFd fd(open(table.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat info;
  if (fd.valid() && fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode) &&
      info.st_uid == geteuid() && (info.st_mode & 0077) != 0) {
    fchmod(fd.get(), 0600);
  }
}

}  // namespace

std::string KeptTablePath() {
  const std::string state = BaseFolder("XDG_STATE_HOME", "/.local/state");
  if (state.empty()) return {};
  std::string table = state + std::string(kProgramFolder) + std::string(kKeptTableName);
  const std::string data = BaseFolder("XDG_DATA_HOME", "/.local/share");
  if (!Exists(table) && !data.empty() &&
      Exists(data + std::string(kProgramFolder) + std::string(kKeptTableName))) {
    FindKeptTablePlace();
  }
  return table;
}

KeptTablePlace FindKeptTablePlace() {
  const std::string state = BaseFolder("XDG_STATE_HOME", "/.local/state");
  if (state.empty()) return {};
  const std::string folder = state + std::string(kProgramFolder);
  const int make_error = MakePrivateFolders(folder);
  if (auto refused = RefusedFolder(folder, make_error)) {
    return {{}, FileError{folder, std::move(*refused)}};
  }
  std::string table = folder + std::string(kKeptTableName);
  MoveEarlierTable(table);
  MakePrivate(table);
  return {std::move(table), std::nullopt};
}

std::optional<SettingsSetAside> SetAsideUnreadableSettings() {
  const std::string config = BaseFolder("XDG_CONFIG_HOME", "/.config");
  if (config.empty()) return std::nullopt;
  const std::string folder = config + std::string(kProgramFolder);
  MakePrivateFolders(folder);
  const std::string settings = folder + std::string(kSettingsName);
  struct stat info;
  if (lstat(settings.c_str(), &info) != 0) return std::nullopt;
  // The settings reader follows a link: judge what it would read.
  if (S_ISLNK(info.st_mode) && stat(settings.c_str(), &info) != 0) return std::nullopt;
  std::optional<std::string> problem = NonRegularFileReason(info.st_mode);
  if (!problem && static_cast<std::uintmax_t>(info.st_size) > kMaxSettingsBytes) {
    problem = std::string(kTooLargeSettingsReason);
  }
  if (!problem) return std::nullopt;
  // An earlier file set aside is kept: this one takes the first free name
  // of "zelmora.conf.set-aside", "zelmora.conf.set-aside.2", ...
  std::string moved_to = settings + std::string(kSetAsideSuffix);
  struct stat taken;
  for (int n = 2; lstat(moved_to.c_str(), &taken) == 0 && n < 1000; ++n) {
    moved_to = settings + std::string(kSetAsideSuffix) + '.' + std::to_string(n);
  }
  SettingsSetAside set_aside{{settings, std::move(*problem)}, std::move(moved_to)};
  if (rename(settings.c_str(), set_aside.moved_to.c_str()) != 0) set_aside.moved_to.clear();
  return set_aside;
}

}  // namespace zelmora
