#pragma once

#include <errno.h>
#include <unistd.h>

#include <utility>

namespace zelmora {

// Owns one open file descriptor and closes it when it goes; -1 owns none.
class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.fd_, -1));
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

  void Reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

  // Closes the descriptor and returns 0 or the errno of the close, which is
  // where some file systems first report a failed write.
  int Close() {
    const int fd = std::exchange(fd_, -1);
    return fd >= 0 && close(fd) != 0 ? errno : 0;
  }

 private:
  int fd_ = -1;
};

}  // namespace zelmora
