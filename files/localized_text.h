#pragma once

#include <string_view>

namespace zelmora {

// The languages of what is written outside the window (the command line, its
// help and manual pages); the window itself is Japanese always.
enum class Language { kEnglish, kJapanese };

// One text in both languages.
struct LocalizedText {
  std::string_view english;
  std::string_view japanese;

  constexpr std::string_view In(Language language) const {
    return language == Language::kJapanese ? japanese : english;
  }
};

}  // namespace zelmora
