#include <errno.h>
#include <iconv.h>

#include "files/cp932_platform.h"

namespace zelmora {
namespace {

// iconv_open reports failure as (iconv_t)-1: the cast is the library's own
// convention, so the int-to-pointer check is silenced where it is compared.
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)

// One conversion direction, opened once per thread: a damaged text is read
// one character at a time, and opening a converter for each would be slow.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> Convert(std::string_view in) {
    if (cd_ == kNoConverter) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    std::string out;
    std::string buffer(in);
    char* src = buffer.data();
    std::size_t left = buffer.size();
    char chunk[256];
    while (left > 0) {
      char* dst = chunk;
      std::size_t room = sizeof chunk;
      const std::size_t done = iconv(cd_, &src, &left, &dst, &room);
      out.append(chunk, static_cast<std::size_t>(dst - chunk));
      if (done == static_cast<std::size_t>(-1) && errno != E2BIG) return std::nullopt;
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> PlatformCp932FromUtf8(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.Convert(utf8);
}

std::optional<std::string> PlatformUtf8FromCp932(std::string_view cp932) {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Convert(cp932);
}

}  // namespace zelmora
