#pragma once

#include <sys/types.h>

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "files/byte_sink.h"

// Whole-file reading and safe writing. Every failure carries the file name
// and the reason, so that no caller can mistake it for success.
namespace zelmora {

struct FileError {
  std::string path;
  std::string reason;  // ErrorReason(errno), or one of the reasons no errno carries

  bool operator==(const FileError&) const = default;
};

struct ReadResult {
  std::string bytes;
  std::optional<FileError> error;
};

// The largest file the readers take. A real roster is a few hundred bytes and
// a 100,000-line one about 5 MB; anything past this is not a roster or sheet,
// and reading it whole would only exhaust memory.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

// Reads a regular file whole, or only until `max_lines` lines have been read.
// Opens without blocking and refuses a folder, a device, a FIFO or a socket,
// and a file over kMaxReadBytes; running out of memory is an error too.
ReadResult ReadFileBytes(const std::string& path,
                         std::size_t max_lines = std::numeric_limits<std::size_t>::max());

// How the new bytes wait until they replace the target: in an unnamed file
// where the file system has one, linked in at the end, or else in a hidden
// named file.
enum class Temporary { kUnnamedWherePossible, kNamed };

// Writes to a temporary file in the target's folder, checks every write and
// the close, then renames it over the target and syncs the folder. Only a
// regular file is replaced (or a new one made); a link is followed only where
// the kernel's protected_symlinks rule allows. On failure the old file is
// unchanged and no temporary is left. A new file gets `new_file_mode` less
// the umask (or the folder's default ACL); a replaced one keeps
// its owner, group, mode and extended attributes where it may. A file size
// limit is an error like any other.
inline std::optional<FileError> WriteFileSafely(
    const std::string& path, std::string_view bytes,
    Temporary temporary = Temporary::kUnnamedWherePossible, mode_t new_file_mode = 0666);
// The same with the bytes written as `write` produces them, so that a large
// report is never held whole; running out of memory while producing them
// fails the write like any other error.
std::optional<FileError> WriteFileSafely(const std::string& path, const ByteWriter& write,
                                         Temporary temporary = Temporary::kUnnamedWherePossible,
                                         mode_t new_file_mode = 0666);

inline std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes,
                                                Temporary temporary, mode_t new_file_mode) {
  return WriteFileSafely(
      path, [bytes](ByteSink& sink) { sink.Append(bytes); }, temporary, new_file_mode);
}

// Writes all bytes to an open descriptor (standard output, a pipe), short
// writes included; `name` is what an error calls the destination.
std::optional<FileError> WriteToDescriptor(int fd, std::string_view bytes, const std::string& name);
std::optional<FileError> WriteToDescriptor(int fd, const ByteWriter& write,
                                           const std::string& name);

}  // namespace zelmora
