#pragma once

#include "files/localized_text.h"

namespace zelmora {

// The language of the command line's messages, from the locale variables as
// the C library ranks them for messages: the first of LC_ALL, LC_MESSAGES
// and LANG that is set and not empty decides. Japanese for "ja" and "ja_*"
// ("ja_JP.UTF-8"), English for anything else and when none is set.
Language MessageLanguage(const char* lc_all, const char* lc_messages, const char* lang);

// The same from this process's environment; where none of the variables is
// set, the language of the user's desktop (app/display_language.h).
Language EnvironmentMessageLanguage();

}  // namespace zelmora
