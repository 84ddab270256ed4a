#include "app/command_line_messages.h"

namespace zelmora::messages {

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  const std::string_view* value = values.begin();
  for (std::size_t slot; (slot = pattern.find("{}")) != std::string_view::npos;) {
    out += pattern.substr(0, slot);
    if (value != values.end()) out += *value++;
    pattern.remove_prefix(slot + 2);
  }
  return out += pattern;
}

}  // namespace zelmora::messages
