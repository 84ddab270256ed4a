#include "files/temporary_names_linux.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <limits>

#include "files/temporary_names.h"

namespace zelmora {
namespace {

bool IsStale(int folder, const char* name) {
  const std::optional<std::uint64_t> owner = TemporaryOwner(name);
  if (!owner || *owner > std::numeric_limits<pid_t>::max()) return false;
  struct stat info;
  if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (!S_ISREG(info.st_mode) || info.st_uid != geteuid()) return false;
  return kill(static_cast<pid_t>(*owner), 0) != 0 && errno == ESRCH;
}

}  // namespace

std::uint64_t CurrentProcess() { return static_cast<std::uint64_t>(getpid()); }

std::uint64_t RandomBits() {
  std::uint64_t random = 0;
  if (getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random) {
    random = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&random)) ^
             static_cast<std::uint64_t>(time(nullptr));
  }
  return random;
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
