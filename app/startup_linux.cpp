#include "app/startup.h"

namespace zelmora {

std::vector<std::string> CommandArguments(int argc, char** argv) {
  return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

// Terminals take UTF-8 already.
void PrepareConsole() {}

}  // namespace zelmora
