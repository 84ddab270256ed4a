#include "app/display_language.h"

#include <windows.h>

namespace zelmora {

// The language of Windows's own menus and messages for this user, which a
// Japanese Windows sets and the locale variables never are.
Language DisplayLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::kJapanese
                                                                    : Language::kEnglish;
}

}  // namespace zelmora
