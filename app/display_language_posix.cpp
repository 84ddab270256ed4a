#include "app/display_language.h"

namespace zelmora {

Language DisplayLanguage() { return Language::kEnglish; }

}  // namespace zelmora
