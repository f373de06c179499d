// alloc_counter.cpp: malloc, calloc and realloc of this executable count
// themselves and hand on to the C library's own allocator, so Qt's
// allocations are seen as well as ours. free needs no wrapper: the memory
// comes from the same allocator.
#include "alloc_counter.h"

#include <atomic>
#include <cstddef>

namespace {

std::atomic<bool> counting{false};
std::atomic<std::int64_t> allocations{0};

void Count() {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)

namespace bench {
bool CountsAllocations() { return false; }
}  // namespace bench

#else

// The C library's allocator under its second, always exported name.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* old, std::size_t size);

extern "C" void* malloc(std::size_t size) {
  Count();
  return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
  Count();
  return __libc_calloc(count, size);
}

extern "C" void* realloc(void* old, std::size_t size) {
  Count();
  return __libc_realloc(old, size);
}

namespace bench {
bool CountsAllocations() { return true; }
}  // namespace bench

#endif

namespace bench {

void StartCountingAllocations() {
  allocations.store(0, std::memory_order_relaxed);
  counting.store(true, std::memory_order_seq_cst);
}

std::int64_t StopCountingAllocations() {
  counting.store(false, std::memory_order_seq_cst);
  return allocations.load(std::memory_order_relaxed);
}

}  // namespace bench
