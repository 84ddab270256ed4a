#include "app/message_language.h"

#include <cstdlib>
#include <string_view>

#include "app/display_language.h"

namespace zelmora {

Language MessageLanguage(const char* lc_all, const char* lc_messages, const char* lang) {
  for (const char* value : {lc_all, lc_messages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    const std::string_view locale(value);
    const bool japanese = locale.starts_with("ja") && (locale.size() == 2 || locale[2] == '_' ||
                                                       locale[2] == '.' || locale[2] == '@');
    return japanese ? Language::kJapanese : Language::kEnglish;
  }
  return Language::kEnglish;
}

Language EnvironmentMessageLanguage() {
  const char* lc_all = std::getenv("LC_ALL");
  const char* lc_messages = std::getenv("LC_MESSAGES");
  const char* lang = std::getenv("LANG");
  for (const char* value : {lc_all, lc_messages, lang}) {
    if (value != nullptr && *value != '\0') return MessageLanguage(lc_all, lc_messages, lang);
  }
  return DisplayLanguage();
}

}  // namespace zelmora
