#include "files/temporary_names.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <string_view>

namespace zelmora {
namespace {

constexpr std::string_view kPrefix = ".zelmora-";

// The process a temporary name belongs to, or 0 when it is not one of ours.
pid_t OwnerProcess(std::string_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
  if (error != std::errc() || pid <= 0 || end == name.data() + name.size() || *end != '-') return 0;
  return pid;
}

bool IsStale(int folder, const char* name) {
  const pid_t pid = OwnerProcess(name);
  if (pid == 0) return false;
  struct stat info;
  if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) return false;
  return kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string NewTemporaryName() {
  std::uint64_t random = 0;
  if (getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random) {
    random = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&random)) ^
             static_cast<std::uint64_t>(time(nullptr));
  }
  char hex[17];
  const auto end = std::to_chars(hex, hex + sizeof hex, random, 16).ptr;
  return std::string(kPrefix) + std::to_string(getpid()) + "-" + std::string(hex, end);
}

void RemoveStaleTemporaries(int folder) {
  const int listing = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* entries = fdopendir(listing);
  if (entries == nullptr) {
    close(listing);
    return;
  }
  while (const dirent* entry = readdir(entries)) {
    if (IsStale(folder, entry->d_name)) unlinkat(folder, entry->d_name, 0);
  }
  closedir(entries);
}

}  // namespace zelmora
