// fail_allocation.h: the tests' one way to make memory short. Linked into a
// test, it lets the test fail the program's array allocations (every
// surface's pixels and the decoder's buffers) of its choice.
#pragma once

#include <cstddef>
#include <functional>

namespace testsupport {

// While set, every array allocation first asks `fails` with its size in
// bytes and throws std::bad_alloc when the answer is true. An empty function
// lets every allocation through again.
void FailArrayAllocations(std::function<bool(std::size_t bytes)> fails);

// Clears the hook when the scope ends, also on a failed assertion.
struct ArrayAllocationFailures {
  explicit ArrayAllocationFailures(std::function<bool(std::size_t bytes)> fails) {
    FailArrayAllocations(std::move(fails));
  }
  ~ArrayAllocationFailures() { FailArrayAllocations({}); }
  ArrayAllocationFailures(const ArrayAllocationFailures&) = delete;
  ArrayAllocationFailures& operator=(const ArrayAllocationFailures&) = delete;
};

}  // namespace testsupport
