#include "files/file_io.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <variant>

#include "files/error_reason.h"
#include "files/file_io_platform.h"
#include "files/kept_metadata_linux.h"
#include "files/temporary_names.h"
#include "files/temporary_names_linux.h"
#include "files/unique_fd_posix.h"
#include "files/write_target_linux.h"

namespace zelmora {
namespace {

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
  int error = WriteProduced(fd, write);
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

ReadableFile::ReadableFile(const std::string& path)
    // Without O_NONBLOCK, opening a FIFO would wait for a writer forever.
    : file_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
  struct stat info;
  if (file_ < 0) {
    refused_ = errno == ENXIO ? std::string(kNotRegularFileReason)  // a socket
                              : SystemErrorReason(errno);
  } else if (fstat(file_, &info) != 0) {
    refused_ = SystemErrorReason(errno);
  } else {
    refused_ = NonRegularFileReason(info.st_mode);
    size_ = static_cast<std::uint64_t>(info.st_size);
  }
}

ReadableFile::~ReadableFile() {
  if (file_ >= 0) close(file_);
}

Transfer ReadableFile::Read(std::span<char> buffer) {
  for (;;) {
    const ssize_t got = read(file_, buffer.data(), buffer.size());
    if (got >= 0) return {static_cast<std::size_t>(got)};
    if (errno != EINTR) return {0, errno};
  }
}

Transfer WriteSome(NativeFile file, std::string_view bytes) {
  FileSizeSignalHeld held;
  for (;;) {
    const ssize_t written = write(file, bytes.data(), bytes.size());
    if (written >= 0) return {static_cast<std::size_t>(written)};
    if (errno == EINTR) continue;
    if (errno == EFBIG) held.Raised();
    return {0, errno};
  }
}

SystemError WriteToStream(int fd, const ByteWriter& write) { return WriteProduced(fd, write); }

std::optional<FileError> WriteFileSafely(const std::string& path, const ByteWriter& write,
                                         Temporary temporary, mode_t new_file_mode) {
  std::variant<WriteTarget, std::string> resolved = ResolveWriteTarget(path);
  if (const auto* reason = std::get_if<std::string>(&resolved)) return FileError{path, *reason};
  const WriteTarget& target = std::get<WriteTarget>(resolved);
  RemoveStaleTemporaries(target.folder.get());
  if (const int error = Save(target, write, temporary, new_file_mode)) {
    return FileError{path, SystemErrorReason(error)};
  }
  return std::nullopt;
}

}  // namespace zelmora
