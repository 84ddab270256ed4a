// Writes the manual page zelmora(1) to standard output, in Japanese when the
// argument is "ja", in English otherwise; the build installs what it writes.
#include <iostream>
#include <string_view>

#include "app/manual_page.h"

int main(int argc, char** argv) {
  const bool japanese = argc > 1 && std::string_view(argv[1]) == "ja";
  std::cout << zelmora::ManualPage(japanese ? zelmora::Language::kJapanese
                                            : zelmora::Language::kEnglish);
  return std::cout.flush() ? 0 : 1;
}
