#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "files/released_pages.h"

namespace zelmora {

void ReleasePages(char* begin, char* end) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
  const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
  // Pages wholly inside the range only: the bytes around it stay as they are.
  if (first < last) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

}  // namespace zelmora
