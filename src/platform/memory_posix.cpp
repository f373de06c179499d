// memory_posix.cpp: memory advice on Linux, through madvise.
#include "platform/memory.h"

#include <sys/mman.h>

#include <cstdint>

namespace platform {

void AdviseLargePages(void* at, std::size_t bytes) {
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(at);
  const std::uintptr_t end = (start + bytes) & ~(kLargePage - 1);
  const std::uintptr_t begin = (start + kLargePage - 1) & ~(kLargePage - 1);
  if (begin < end) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace platform
