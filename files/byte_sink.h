#pragma once

#include <functional>
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

}  // namespace zelmora
