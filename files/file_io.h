#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and safe writing. Every failure carries the file name
// and the system's reason, so that no caller can mistake it for success.
namespace zelmora {

struct FileError {
  std::string path;
  std::string reason;  // the system's words, e.g. strerror(errno)

  bool operator==(const FileError&) const = default;
};

struct ReadResult {
  std::string bytes;
  std::optional<FileError> error;
};

ReadResult ReadFileBytes(const std::string& path);

// Writes to a temporary file in the target's folder, checks every write and
// the close, then renames it over the target. On failure the old file is
// unchanged and no temporary file is left behind. A new file gets the usual
// permissions (0666 less the umask); a replaced one keeps its own.
std::optional<FileError> WriteFileSafely(const std::string& path, std::string_view bytes);

// Writes all bytes to an open descriptor (standard output, a pipe), short
// writes included; `name` is what an error calls the destination.
std::optional<FileError> WriteToDescriptor(int fd, std::string_view bytes, const std::string& name);

}  // namespace zelmora
