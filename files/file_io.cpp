#include "files/file_io.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora {
namespace {

FileError ErrorOf(const std::string& path, int error_number) {
  return {path, strerror(error_number)};
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The mode a freshly created file would get. umask can only be read by
// setting it, so it is set back at once.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

mode_t ModeFor(const std::string& path) {
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    return existing.st_mode & 07777;
  }
  return NewFileMode();
}

// Saving through a symbolic link replaces the file it points to and keeps
// the link. A path that does not resolve (a new file) is written as it is.
std::string ResolvedTarget(const std::string& path) {
  char* resolved = realpath(path.c_str(), nullptr);
  if (!resolved) return path;
  std::string target(resolved);
  free(resolved);
  return target;
}

// Returns 0 or the errno of the first failure.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;  // no progress: never spin
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Fills, flushes and closes the temporary file; returns 0 or an errno.
// The descriptor is closed in every case.
int FillTemporary(int fd, std::string_view bytes, mode_t mode) {
  int error = WriteAll(fd, bytes);
  if (error == 0 && fchmod(fd, mode) != 0) error = errno;
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path) {
  ReadResult result;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.error = ErrorOf(path, errno);
    return result;
  }
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      result.error = ErrorOf(path, errno);
      break;
    }
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  if (result.error) result.bytes.clear();
  return result;
}

std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes) {
  const std::string target = ResolvedTarget(path);
  std::string temporary = FolderOf(target) + "/.zelmora-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return ErrorOf(path, errno);

  int error = FillTemporary(fd, bytes, ModeFor(target));
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temporary.c_str());
    return ErrorOf(path, error);
  }
  return std::nullopt;
}

std::optional<FileError> WriteToDescriptor(int fd, std::string_view bytes,
                                           const std::string& name) {
  if (const int error = WriteAll(fd, bytes); error != 0) return ErrorOf(name, error);
  return std::nullopt;
}

}  // namespace zelmora
