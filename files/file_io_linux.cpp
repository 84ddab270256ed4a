#include "files/file_io.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <variant>

#include "files/error_reason.h"
#include "files/kept_metadata.h"
#include "files/temporary_names.h"
#include "files/temporary_names_linux.h"
#include "files/unique_fd.h"
#include "files/write_target.h"

namespace zelmora {
namespace {

FileError ErrorOf(const std::string& path, int error_number) {
  return {path, ErrorReason(error_number)};
}

ReadResult Failed(const std::string& path, std::string reason) {
  ReadResult result;
  result.error = FileError{path, std::move(reason)};
  return result;
}

// A write past the file size limit fails with EFBIG and raises SIGXFSZ, which
// would end the program without a word. The signal is held back while
// writing, and the one a failed write raised is taken back afterwards, so
// that the limit is reported like any other write error.
class FileSizeSignalHeld {
 public:
  FileSizeSignalHeld() {
    sigemptyset(&signal_);
    sigaddset(&signal_, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &signal_, &saved_);
  }
  ~FileSizeSignalHeld() {
    const timespec no_wait{};
    while (raised_ && sigtimedwait(&signal_, nullptr, &no_wait) == SIGXFSZ) {
    }
    pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
  }
  FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
  FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

  void Raised() { raised_ = true; }

 private:
  sigset_t signal_;
  sigset_t saved_;
  bool raised_ = false;
};

// Returns 0 or the errno of the first failure.
int WriteAll(int fd, std::string_view bytes) {
  FileSizeSignalHeld held;
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      if (errno == EFBIG) held.Raised();
      return errno;
    }
    if (written == 0) return EIO;  // no progress: never spin
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Runs `write` into `fd`; running out of memory on the way is ENOMEM.
int Produce(int fd, const ByteWriter& write) {
  return WriteBuffered<int>(
      write, [fd](std::string_view bytes) { return WriteAll(fd, bytes); }, ENOMEM);
}

std::optional<std::string> RefusedToRead(const struct stat& info) {
  if (auto refused = NonRegularFileReason(info.st_mode)) return refused;
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxReadBytes) {
    return std::string(kTooLargeToReadReason);
  }
  return std::nullopt;
}

ReadResult ReadBounded(const std::string& path, std::size_t max_lines) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
  UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) {
    if (errno == ENXIO) return Failed(path, std::string(kNotRegularFileReason));  // a socket
    return Failed(path, ErrorReason(errno));
  }
  struct stat info;
  if (fstat(fd.get(), &info) != 0) return Failed(path, ErrorReason(errno));
  if (auto refused = RefusedToRead(info)) return Failed(path, *refused);

  ReadResult result;
  result.bytes.reserve(static_cast<std::size_t>(info.st_size));
  std::size_t lines = 0;
  char buffer[1 << 16];
  while (lines < max_lines) {
    const ssize_t got = read(fd.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Failed(path, ErrorReason(errno));
    if (got == 0) break;
    const auto size = static_cast<std::size_t>(got);
    // The file grew after fstat, or it is one whose size the system does not tell.
    if (result.bytes.size() + size > kMaxReadBytes) {
      return Failed(path, std::string(kTooLargeToReadReason));
    }
    result.bytes.append(buffer, size);
    lines += static_cast<std::size_t>(std::count(buffer, buffer + size, '\n'));
  }
  return result;
}

// A temporary file open for writing; `name` stays empty while it is unnamed.
struct TemporaryFile {
  UniqueFd fd;
  std::string name;
};

int CreateNamed(int folder, mode_t mode, TemporaryFile& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = NewTemporaryName();
    const int fd =
        openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
      temporary = {UniqueFd(fd), std::move(name)};
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// An unnamed file leaves nothing behind when the program dies while writing
// it. Linking it in needs AT_EMPTY_PATH rights or /proc.
int CreateTemporary(int folder, mode_t mode, Temporary kind, TemporaryFile& temporary) {
  if (kind == Temporary::kUnnamedWherePossible && access("/proc/self/fd", F_OK) == 0) {
    const int fd = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd >= 0) {
      temporary = {UniqueFd(fd), {}};
      return 0;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  }
  return CreateNamed(folder, mode, temporary);
}

int LinkUnnamed(int fd, int folder, const std::string& name) {
  if (linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// The replaced file, opened to read its extended attributes; it must still
// be the file the target was resolved to.
UniqueFd OpenReplaced(const WriteTarget& target) {
  if (!target.existing) return {};
  UniqueFd fd(openat(target.folder.get(), target.name.c_str(),
                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat info;
  if (!fd.valid() || fstat(fd.get(), &info) != 0 || info.st_ino != target.existing->st_ino ||
      info.st_dev != target.existing->st_dev) {
    return {};
  }
  return fd;
}

int Fill(const WriteTarget& target, int fd, const ByteWriter& write) {
  int error = Produce(fd, write);
  if (error == 0 && target.existing) {
    error = KeepMetadata(*target.existing, OpenReplaced(target).get(), fd);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  return error;
}

// Several writers may make one new file at once: a regular file that one of
// them put there meanwhile is replaced, the last write winning; anything
// else that appeared is not.
bool AppearedRegularFile(const WriteTarget& target) {
  struct stat info;
  return fstatat(target.folder.get(), target.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISREG(info.st_mode);
}

int Rename(const WriteTarget& target, const std::string& from) {
  const int folder = target.folder.get();
  if (!target.existing) {
    if (renameat2(folder, from.c_str(), folder, target.name.c_str(), RENAME_NOREPLACE) == 0) {
      return 0;
    }
    // EINVAL: a file system without RENAME_NOREPLACE.
    if (errno != EINVAL && !(errno == EEXIST && AppearedRegularFile(target))) return errno;
  }
  return renameat(folder, from.c_str(), folder, target.name.c_str()) == 0 ? 0 : errno;
}

// Puts the filled temporary in place of the target. An unnamed new file is
// linked under its name at once; an unnamed replacement first gets a hidden
// name, since a link cannot replace a file.
int Publish(const WriteTarget& target, TemporaryFile& temporary) {
  const int folder = target.folder.get();
  if (temporary.name.empty()) {
    if (!target.existing) {
      const int error = LinkUnnamed(temporary.fd.get(), folder, target.name);
      if (error == 0) {
        const int close_error = temporary.fd.Close();
        if (close_error != 0) unlinkat(folder, target.name.c_str(), 0);
        return close_error;
      }
      if (error != EEXIST || !AppearedRegularFile(target)) return error;
    }
    std::string name = NewTemporaryName();
    if (const int error = LinkUnnamed(temporary.fd.get(), folder, name)) return error;
    temporary.name = std::move(name);
  }
  if (const int error = temporary.fd.Close()) return error;
  return Rename(target, temporary.name);
}

int Save(const WriteTarget& target, const ByteWriter& write, Temporary kind, mode_t new_file_mode) {
  const int folder = target.folder.get();
  TemporaryFile temporary;
  // A replaced file's mode is copied onto the temporary once it is filled.
  const mode_t mode = target.existing ? 0600 : new_file_mode;
  if (const int error = CreateTemporary(folder, mode, kind, temporary)) return error;
  int error = Fill(target, temporary.fd.get(), write);
  if (error == 0) error = Publish(target, temporary);
  if (error != 0) {
    if (!temporary.name.empty()) unlinkat(folder, temporary.name.c_str(), 0);
    return error;
  }
  // The rename reaches the disk only with its folder; a file system that
  // cannot sync a folder says EINVAL.
  return fsync(folder) != 0 && errno != EINVAL && errno != EBADF ? errno : 0;
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::size_t max_lines) {
  try {
    return ReadBounded(path, max_lines);
  } catch (const std::bad_alloc&) {
    return Failed(path, ErrorReason(ENOMEM));
  }
}

std::optional<FileError> WriteFileSafely(const std::string& path, const ByteWriter& write,
                                         Temporary temporary, mode_t new_file_mode) {
  std::variant<WriteTarget, std::string> resolved = ResolveWriteTarget(path);
  if (const auto* reason = std::get_if<std::string>(&resolved)) return FileError{path, *reason};
  const WriteTarget& target = std::get<WriteTarget>(resolved);
  RemoveStaleTemporaries(target.folder.get());
  if (const int error = Save(target, write, temporary, new_file_mode)) {
    return ErrorOf(path, error);
  }
  return std::nullopt;
}

std::optional<FileError> WriteToDescriptor(int fd, std::string_view bytes,
                                           const std::string& name) {
  if (const int error = WriteAll(fd, bytes); error != 0) return ErrorOf(name, error);
  return std::nullopt;
}

std::optional<FileError> WriteToDescriptor(int fd, const ByteWriter& write,
                                           const std::string& name) {
  if (const int error = Produce(fd, write); error != 0) return ErrorOf(name, error);
  return std::nullopt;
}

}  // namespace zelmora
