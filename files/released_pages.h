#pragma once

#include <cstddef>

namespace zelmora {

// Tells the system that the bytes of [begin, end), which the program owns
// and will not read again, need no memory: the whole pages among them are
// given back, and read as zeros if touched again. Only a hint; where the
// system takes none, nothing happens.
void ReleasePages(char* begin, char* end);

}  // namespace zelmora
