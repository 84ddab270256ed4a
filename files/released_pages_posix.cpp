#include "files/released_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace zelmora {

void ReleasePages(char* begin, char* end) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  // Pages wholly inside the range only: the bytes around it stay as they are.
  char* const first = begin + (page - reinterpret_cast<std::uintptr_t>(begin) % page) % page;
  char* const last = end - reinterpret_cast<std::uintptr_t>(end) % page;
  if (first < last) madvise(first, static_cast<std::size_t>(last - first), MADV_DONTNEED);
}

}  // namespace zelmora
