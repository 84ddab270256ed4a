#pragma once

#include <string>

#include "files/localized_text.h"

namespace zelmora {

// The manual page zelmora(1) in man(7) markup, in English or in Japanese,
// written from the option table, so that it says what --help says.
std::string ManualPage(Language language);

}  // namespace zelmora
