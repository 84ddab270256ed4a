// Writes the manual page zelmora(1) to standard output; the build installs
// what it writes.
#include <iostream>

#include "app/manual_page.h"

int main() {
  std::cout << zelmora::ManualPage();
  return std::cout.flush() ? 0 : 1;
}
