// fail_allocation.cpp: a library the process tests preload into the real
// program (LD_PRELOAD) to make memory short for one purpose: every request
// of exactly TESSRA_FAIL_ALLOCATION_BYTES bytes through operator new fails
// with std::bad_alloc. The program reads no such setting itself; a size
// that only one of its buffers has picks that buffer out.
#include <cstdlib>
#include <new>

namespace {

std::size_t FailingSize() {
  static const std::size_t size = [] {
    const char* text = std::getenv("TESSRA_FAIL_ALLOCATION_BYTES");
    return text != nullptr ? static_cast<std::size_t>(std::strtoull(text, nullptr, 10)) : 0;
  }();
  return size;
}

}  // namespace

void* operator new(std::size_t size) {
  if (size != 0 && size == FailingSize()) throw std::bad_alloc();
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

// Arrays too: a sanitizer's own array new does not come through the one above.
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
