#include "files/file_io.h"

#include <algorithm>
#include <new>

#include "files/error_reason.h"
#include "files/file_io_platform.h"

namespace zelmora {
namespace {

ReadResult Failed(const std::string& path, std::string reason) {
  ReadResult result;
  result.error = FileError{path, std::move(reason)};
  return result;
}

ReadResult ReadBounded(const std::string& path, std::size_t max_lines) {
  ReadableFile file(path);
  if (file.refused()) return Failed(path, *file.refused());
  if (file.size() > kMaxReadBytes) return Failed(path, std::string(kTooLargeToReadReason));

  ReadResult result;
  result.bytes.reserve(static_cast<std::size_t>(file.size()));
  std::size_t lines = 0;
  char buffer[1 << 16];
  while (lines < max_lines) {
    const Transfer read = file.Read(buffer);
    if (read.error != 0) return Failed(path, SystemErrorReason(read.error));
    if (read.bytes == 0) break;
    // The file grew since it was opened, or it is one whose size the system
    // does not tell.
    if (result.bytes.size() + read.bytes > kMaxReadBytes) {
      return Failed(path, std::string(kTooLargeToReadReason));
    }
    result.bytes.append(buffer, read.bytes);
    lines += static_cast<std::size_t>(std::count(buffer, buffer + read.bytes, '\n'));
  }
  return result;
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::size_t max_lines) {
  try {
    return ReadBounded(path, max_lines);
  } catch (const std::bad_alloc&) {
    return Failed(path, SystemErrorReason(kOutOfMemoryError));
  }
}

SystemError WriteAll(NativeFile file, std::string_view bytes) {
  while (!bytes.empty()) {
    const Transfer written = WriteSome(file, bytes);
    if (written.error != 0) return written.error;
    if (written.bytes == 0) return kNoProgressError;  // never spin
    bytes.remove_prefix(written.bytes);
  }
  return 0;
}

SystemError WriteProduced(NativeFile file, const ByteWriter& write) {
  return WriteBuffered<SystemError>(
      write, [file](std::string_view bytes) { return WriteAll(file, bytes); }, kOutOfMemoryError);
}

std::optional<FileError> WriteToDescriptor(int fd, std::string_view bytes,
                                           const std::string& name) {
  return WriteToDescriptor(
      fd, [bytes](ByteSink& sink) { sink.Append(bytes); }, name);
}

std::optional<FileError> WriteToDescriptor(int fd, const ByteWriter& write,
                                           const std::string& name) {
  if (const SystemError error = WriteToStream(fd, write)) {
    return FileError{name, SystemErrorReason(error)};
  }
  return std::nullopt;
}

}  // namespace zelmora
