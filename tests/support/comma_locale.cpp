#include "tests/support/comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstring>

namespace zelmora::testing {

// glibc's names, then those of Windows's C library.
CommaLocale::CommaLocale() : earlier_(std::setlocale(LC_ALL, nullptr)) {
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU.UTF-8", "de-DE",
                           "German_Germany.1252", "fr-FR", "French_France.1252"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 45.52);
    if (std::strcmp(probe, "45,52") == 0) {
      in_force_ = true;
      return;
    }
  }
  std::setlocale(LC_ALL, earlier_.c_str());
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, earlier_.c_str()); }

}  // namespace zelmora::testing
