#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>
#include <variant>

#include "files/unique_fd_posix.h"

namespace zelmora {

// Where a save lands: the folder, held open so that every later step works
// inside the same folder whatever happens to the path meanwhile, and the
// name in it.
struct WriteTarget {
  UniqueFd folder;
  std::string name;
  std::optional<struct stat> existing;  // the regular file to replace; none for a new file
};

// Resolves `path` one component at a time. A symbolic link is followed only
// where the kernel's protected_symlinks rule allows it, whether or not the
// kernel enforces that rule: never a link in a sticky world-writable folder
// whose owner is neither the user nor the folder's owner. The last component
// must be a regular file or not exist yet. Returns the target, or the reason
// it cannot be written.
std::variant<WriteTarget, std::string> ResolveWriteTarget(const std::string& path);

}  // namespace zelmora
