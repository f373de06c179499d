// fail_allocation.cpp: the tests' fault injector for allocations, in two
// uses. Preloaded into the real program (LD_PRELOAD), every request of
// exactly TESSRA_FAIL_ALLOCATION_BYTES bytes through operator new fails with
// std::bad_alloc; the program reads no such setting itself, and a size that
// only one of its buffers has picks that buffer out. Linked into a test, the
// test chooses which array allocations fail (fail_allocation.h).
#include "support/fail_allocation.h"

#include <cstdlib>
#include <new>

namespace testsupport {
namespace {

std::size_t FailingSize() {
  static const std::size_t size = [] {
    const char* text = std::getenv("TESSRA_FAIL_ALLOCATION_BYTES");
    return text != nullptr ? static_cast<std::size_t>(std::strtoull(text, nullptr, 10)) : 0;
  }();
  return size;
}

std::function<bool(std::size_t)>& ArrayHook() {
  static std::function<bool(std::size_t)> hook;
  return hook;
}

// The hook may allocate itself; those allocations are not asked about.
thread_local bool asking = false;

bool ArrayAllocationFails(std::size_t size) {
  if (asking || !ArrayHook()) return false;
  asking = true;
  const bool fails = ArrayHook()(size);
  asking = false;
  return fails;
}

}  // namespace

void FailArrayAllocations(std::function<bool(std::size_t bytes)> fails) {
  ArrayHook() = std::move(fails);
}

}  // namespace testsupport

void* operator new(std::size_t size) {
  if (size != 0 && size == testsupport::FailingSize()) throw std::bad_alloc();
  if (void* p = std::malloc(size != 0 ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

// Arrays too: a sanitizer's own array new does not come through the one above.
void* operator new[](std::size_t size) {
  if (testsupport::ArrayAllocationFails(size)) throw std::bad_alloc();
  return operator new(size);
}
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
