#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/byte_sink.h"
#include "files/system_error.h"

// The few calls in which reading and writing files differ between platforms
// (file_io_linux.cpp, file_io_windows.cpp), and the rules over them that
// both follow (file_io.cpp): bounds, short transfers, buffering, reasons.
namespace zelmora {

#ifdef _WIN32
using NativeFile = void*;  // a HANDLE
#else
using NativeFile = int;  // a file descriptor
#endif

// What one call moved: `bytes`, or `error` when it failed.
struct Transfer {
  std::size_t bytes = 0;
  SystemError error = 0;
};

// A file opened for reading, without waiting for a writer, and closed when
// it goes.
class ReadableFile {
 public:
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  // Why the file is not read: it did not open, or it is a folder, a device,
  // a pipe or a socket. Nothing for a regular file.
  const std::optional<std::string>& refused() const { return refused_; }
  // Its size when it was opened.
  std::uint64_t size() const { return size_; }
  // Reads at most `buffer.size()` bytes; none at the end of the file.
  Transfer Read(std::span<char> buffer);

 private:
  NativeFile file_;
  std::uint64_t size_ = 0;
  std::optional<std::string> refused_;
};

// Writes some of `bytes`: a write may be short.
Transfer WriteSome(NativeFile file, std::string_view bytes);

// Writes what `write` produces to the stream open as `fd` (standard output,
// a pipe): 0 or the first failure's error.
SystemError WriteToStream(int fd, const ByteWriter& write);

// Writes all of `bytes`, short writes included: 0 or the first failure's
// error.
SystemError WriteAll(NativeFile file, std::string_view bytes);

// Writes what `write` produces, a buffer at a time: 0, the first failure's
// error, or kOutOfMemoryError when memory runs out on the way.
SystemError WriteProduced(NativeFile file, const ByteWriter& write);

}  // namespace zelmora
