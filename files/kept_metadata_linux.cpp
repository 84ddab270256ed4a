#include "files/kept_metadata_linux.h"

#include <errno.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {
namespace {

constexpr const char* kAccessAcl = "system.posix_acl_access";

// A list of extended attribute names or an attribute's value; empty when the
// file has none or the file system keeps none.
template <class Read>
std::string ReadSized(Read read) {
  for (int attempt = 0; attempt < 3; ++attempt) {  // the size may change between the calls
    const ssize_t size = read(nullptr, 0);
    if (size <= 0) return {};
    std::string buffer(static_cast<std::size_t>(size), '\0');
    const ssize_t got = read(buffer.data(), buffer.size());
    if (got >= 0) {
      buffer.resize(static_cast<std::size_t>(got));
      return buffer;
    }
    if (errno != ERANGE) return {};
  }
  return {};
}

std::vector<std::string> AttributeNames(int fd) {
  const std::string list =
      ReadSized([fd](char* buffer, std::size_t size) { return flistxattr(fd, buffer, size); });
  std::vector<std::string> names;
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = list.find('\0', start);
    names.emplace_back(list.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return names;
}

// A new file may have inherited a default ACL of its folder; it keeps only
// what the replaced file had.
void CopyAttributes(int from, int to) {
  bool has_acl = false;
  for (const std::string& name : AttributeNames(from)) {
    const std::string value = ReadSized([from, &name](char* buffer, std::size_t size) {
      return fgetxattr(from, name.c_str(), buffer, size);
    });
    has_acl = has_acl || name == kAccessAcl;
    fsetxattr(to, name.c_str(), value.data(), value.size(), 0);
  }
  if (!has_acl) fremovexattr(to, kAccessAcl);
}

}  // namespace

int KeepMetadata(const struct stat& replaced, int original, int fd) {
  if (fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
    // At least the group, where the user belongs to it; else the user's own stays.
    [[maybe_unused]] const int group_kept = fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
  }
  if (original >= 0) CopyAttributes(original, fd);
  struct stat now;
  if (fstat(fd, &now) != 0) return errno;
  mode_t mode = replaced.st_mode & 07777;
  if (now.st_uid != replaced.st_uid) mode &= ~(S_ISUID | S_ISGID);
  if (now.st_gid != replaced.st_gid) mode &= ~S_ISGID;
  return fchmod(fd, mode) == 0 ? 0 : errno;
}

}  // namespace zelmora
