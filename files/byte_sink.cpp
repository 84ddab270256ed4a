#include "files/byte_sink.h"

namespace zelmora {
namespace {

class StringSink : public ByteSink {
 public:
  void Append(std::string_view bytes) override { bytes_.append(bytes); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

}  // namespace

std::string CollectBytes(const ByteWriter& write) {
  StringSink sink;
  write(sink);
  return sink.Take();
}

}  // namespace zelmora
