#pragma once

#include <cstddef>
#include <functional>
#include <new>
#include <string>
#include <string_view>

namespace zelmora {

// Where a report or export goes while it is produced: a file, standard
// output or a string. Writing piece by piece keeps memory to the largest
// piece, whatever the size of the whole.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Append(std::string_view bytes) = 0;
};

// Something that writes its bytes into a sink.
using ByteWriter = std::function<void(ByteSink&)>;

// All that `write` produces, in one string.
std::string CollectBytes(const ByteWriter& write);

// Bytes on their way to a file, a buffer at a time: `write_all` writes
// bytes and returns 0 or the error of its first failure, which is kept while
// later bytes are dropped. `Error` is the platform's error code (an errno, a
// Windows code).
template <typename Error>
class BufferedFileSink : public ByteSink {
 public:
  using WriteAll = std::function<Error(std::string_view)>;

  explicit BufferedFileSink(const WriteAll& write_all) : write_all_(write_all) {
    buffer_.reserve(kBufferBytes);
  }

  void Append(std::string_view bytes) override {
    if (error_ != 0) return;
    if (buffer_.size() + bytes.size() <= kBufferBytes) {
      buffer_.append(bytes);
      return;
    }
    Flush();
    if (error_ == 0) error_ = write_all_(bytes);
  }

  // 0 or the first failure's error.
  Error Finish() {
    Flush();
    return error_;
  }

 private:
  static constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

  void Flush() {
    if (error_ == 0) error_ = write_all_(buffer_);
    buffer_.clear();
  }

  const WriteAll& write_all_;
  std::string buffer_;
  Error error_ = 0;
};

// Runs `write` into a file through a BufferedFileSink: 0, the first
// failure's error, or `out_of_memory` when memory runs out while the bytes
// are produced.
template <typename Error>
Error WriteBuffered(const ByteWriter& write,
                    const typename BufferedFileSink<Error>::WriteAll& write_all,
                    Error out_of_memory) {
  try {
    BufferedFileSink<Error> sink(write_all);
    write(sink);
    return sink.Finish();
  } catch (const std::bad_alloc&) {
    return out_of_memory;
  }
}

}  // namespace zelmora
