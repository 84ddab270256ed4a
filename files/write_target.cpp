#include "files/write_target.h"

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
  if (length < 0 || static_cast<std::size_t>(length) >= text.size()) return std::nullopt;
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The folder reopened for reading, so that it can be listed and synced;
// a folder the user may only search stays as it is.
UniqueFd Readable(UniqueFd folder) {
  const int readable = openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return readable >= 0 ? UniqueFd(readable) : std::move(folder);
}

std::variant<WriteTarget, std::string> Finish(UniqueFd folder, std::string name,
                                              const struct stat* existing) {
  WriteTarget target{Readable(std::move(folder)), std::move(name), std::nullopt};
  if (existing) target.existing = *existing;
  return target;
}

// The kind of the target as the kernel sees it through every link, so that
// a link into /proc/self/fd or onto a device is named for what it reaches.
std::optional<std::string> RefusedKind(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return std::nullopt;
  return S_ISDIR(info.st_mode) ? ErrorReason(EISDIR) : std::string(kNotRegularFileReason);
}

}  // namespace

std::variant<WriteTarget, std::string> ResolveWriteTarget(const std::string& path) {
  if (path.empty()) return ErrorReason(ENOENT);
  if (auto refused = RefusedKind(path)) return *refused;
  UniqueFd folder = OpenStart(path);
  if (!folder.valid()) return ErrorReason(errno);
  std::deque<std::string> components;
  PrependComponents(path, components);
  int links = 0;
  while (!components.empty()) {
    const std::string name = std::move(components.front());
    components.pop_front();
    const bool last = components.empty();
    if (name.empty() || name == "." || name == "..") {
      if (last) return ErrorReason(EISDIR);
      if (name == "..") folder.Reset(openat(folder.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
      if (!folder.valid()) return ErrorReason(errno);
      continue;
    }
    struct stat info;
    if (fstatat(folder.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
      if (last && errno == ENOENT) return Finish(std::move(folder), name, nullptr);
      return ErrorReason(errno);
    }
    if (S_ISLNK(info.st_mode)) {
      if (!MayFollow(folder.get(), info)) return ErrorReason(EACCES);
      if (++links > kMaxLinks) return ErrorReason(ELOOP);
      const std::optional<std::string> text = LinkText(folder.get(), name);
      if (!text) return ErrorReason(ENAMETOOLONG);
      if (!text->empty() && text->front() == '/') folder = OpenStart(*text);
      if (!folder.valid()) return ErrorReason(errno);
      PrependComponents(*text, components);
      continue;
    }
    if (last) {
      if (S_ISREG(info.st_mode)) return Finish(std::move(folder), name, &info);
      return S_ISDIR(info.st_mode) ? ErrorReason(EISDIR) : std::string(kNotRegularFileReason);
    }
    if (!S_ISDIR(info.st_mode)) return ErrorReason(ENOTDIR);
    folder.Reset(openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) return ErrorReason(errno);
  }
  return ErrorReason(EISDIR);  // not reached: the last component returns above
}

}  // namespace zelmora
