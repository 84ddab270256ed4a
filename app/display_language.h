#pragma once

#include "files/localized_text.h"

namespace zelmora {

// The language the user's desktop shows its own texts in, for when no
// locale variable says which: on Windows Japanese where the display
// language is Japanese; on Linux, where the locale variables are the
// user's choice, English.
Language DisplayLanguage();

}  // namespace zelmora
