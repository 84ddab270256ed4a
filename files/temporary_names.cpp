#include "files/temporary_names.h"

#include <charconv>

namespace zelmora {

std::string TemporaryName(std::uint64_t process, std::uint64_t random) {
  char hex[16];
  const auto end = std::to_chars(hex, hex + sizeof hex, random, 16).ptr;
  return std::string(kTemporaryPrefix) + std::to_string(process) + "-" + std::string(hex, end);
}

std::optional<std::uint64_t> TemporaryOwner(std::string_view name) {
  if (!name.starts_with(kTemporaryPrefix)) return std::nullopt;
  name.remove_prefix(kTemporaryPrefix.size());
  std::uint64_t process = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), process);
  if (error != std::errc() || process == 0 || end == name.data() + name.size() || *end != '-') {
    return std::nullopt;
  }
  return process;
}

std::string NewTemporaryName() { return TemporaryName(CurrentProcess(), RandomBits()); }

}  // namespace zelmora
