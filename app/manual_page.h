#pragma once

#include <string>

namespace zelmora {

// The manual page zelmora(1) in man(7) markup, written from the option
// table, so that it says what --help says.
std::string ManualPage();

}  // namespace zelmora
