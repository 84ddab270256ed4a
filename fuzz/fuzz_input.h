#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zelmora::fuzz {

// Takes typed values off the front of a fuzzer's input; once the input is
// used up every value is 0 or empty.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::int32_t Int() {
    std::int32_t value = 0;
    const std::size_t n = rest_.size() < sizeof value ? rest_.size() : sizeof value;
    std::memcpy(&value, rest_.data(), n);
    rest_.remove_prefix(n);
    return value;
  }

  // A small value 0 .. limit - 1, so that codes land inside and just outside
  // their tables often.
  std::int32_t Small(std::int32_t limit) {
    const std::int32_t value = Int();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) %
                                     static_cast<std::uint32_t>(limit));
  }

  std::string Text(std::size_t max_size) {
    const std::size_t n = static_cast<std::size_t>(Small(static_cast<std::int32_t>(max_size) + 1));
    const std::size_t taken = n < rest_.size() ? n : rest_.size();
    std::string text(rest_.substr(0, taken));
    rest_.remove_prefix(taken);
    return text;
  }

  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace zelmora::fuzz
