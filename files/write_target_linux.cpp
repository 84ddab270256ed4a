#include "files/write_target_linux.h"

#include <fcntl.h>
#include <limits.h>

#include <deque>
#include <string_view>

#include "files/error_reason.h"

namespace zelmora {
namespace {

// The kernel's own bound on links followed in one path.
constexpr int kMaxLinks = 40;

// A path's components in order; empty ones stand for doubled or trailing
// slashes.
void PrependComponents(std::string_view path, std::deque<std::string>& components) {
  std::deque<std::string> parts;
  std::size_t start = path.empty() || path.front() != '/' ? 0 : 1;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    parts.emplace_back(path.substr(start, slash - start));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  components.insert(components.begin(), parts.begin(), parts.end());
}

UniqueFd OpenStart(std::string_view path) {
  const char* start = !path.empty() && path.front() == '/' ? "/" : ".";
  return UniqueFd(open(start, O_PATH | O_DIRECTORY | O_CLOEXEC));
}

// The protected_symlinks rule: in a sticky world-writable folder only a link
// of the user's own or of the folder's owner is followed.
bool MayFollow(int folder, const struct stat& link) {
  struct stat info;
  if (fstat(folder, &info) != 0) return false;
  const bool shared = (info.st_mode & S_ISVTX) != 0 && (info.st_mode & S_IWOTH) != 0;
  return !shared || link.st_uid == geteuid() || link.st_uid == info.st_uid;
}

std::optional<std::string> LinkText(int folder, const std::string& name) {
  std::string text(PATH_MAX, '\0');
  const ssize_t length = readlinkat(folder, name.c_str(), text.data(), text.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= text.size()) return std::nullopt;
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The folder reopened for reading, so that it can be listed and synced;
// a folder the user may only search stays as it is.
UniqueFd Readable(UniqueFd folder) {
  const int readable = openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return readable >= 0 ? UniqueFd(readable) : std::move(folder);
}

// The kind of the target as the kernel sees it through every link, so that
// a link into /proc/self/fd or onto a device is named for what it reaches.
std::optional<std::string> RefusedKind(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return NonRegularFileReason(info.st_mode);
}

using Resolved = std::variant<WriteTarget, std::string>;

// Walks a path one component at a time from its start folder, holding the
// folder reached so far open; a followed link puts its own components in
// front of the rest.
class PathWalk {
 public:
  explicit PathWalk(const std::string& path) : folder_(OpenStart(path)), error_(errno) {
    PrependComponents(path, components_);
  }

  Resolved Run() {
    if (!folder_.valid()) return ErrorReason(error_);
    while (!components_.empty()) {
      const std::string name = std::move(components_.front());
      components_.pop_front();
      const bool last = components_.empty();
      if (name.empty() || name == "." || name == "..") {
        if (last) return ErrorReason(EISDIR);
        if (name == ".." && !Enter(name)) return ErrorReason(errno);
        continue;
      }
      struct stat info;
      if (fstatat(folder_.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (last && errno == ENOENT) return Target(name, nullptr);
        return ErrorReason(errno);
      }
      if (S_ISLNK(info.st_mode)) {
        if (auto refused = Follow(name, info)) return *refused;
      } else if (last) {
        return Target(name, &info);
      } else if (!S_ISDIR(info.st_mode)) {
        return ErrorReason(ENOTDIR);
      } else if (!Enter(name)) {
        return ErrorReason(errno);
      }
    }
    return ErrorReason(EISDIR);  // not reached: the last component returns above
  }

 private:
  bool Enter(const std::string& name) {
    folder_.Reset(
        openat(folder_.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    return folder_.valid();
  }

  std::optional<std::string> Follow(const std::string& name, const struct stat& link) {
    if (!MayFollow(folder_.get(), link)) return ErrorReason(EACCES);
    if (++links_ > kMaxLinks) return ErrorReason(ELOOP);
    const std::optional<std::string> text = LinkText(folder_.get(), name);
    if (!text) return ErrorReason(ENAMETOOLONG);
    if (text->front() == '/') folder_ = OpenStart(*text);
    if (!folder_.valid()) return ErrorReason(errno);
    PrependComponents(*text, components_);
    return std::nullopt;
  }

  Resolved Target(const std::string& name, const struct stat* existing) {
    if (existing) {
      if (auto refused = NonRegularFileReason(existing->st_mode)) return *refused;
    }
    WriteTarget target{Readable(std::move(folder_)), name, std::nullopt};
    if (existing) target.existing = *existing;
    return target;
  }

  UniqueFd folder_;
  int error_;  // of opening the start folder
  std::deque<std::string> components_;
  int links_ = 0;
};

}  // namespace

std::variant<WriteTarget, std::string> ResolveWriteTarget(const std::string& path) {
  if (path.empty()) return ErrorReason(ENOENT);
  if (auto refused = RefusedKind(path)) return *refused;
  return PathWalk(path).Run();
}

}  // namespace zelmora
