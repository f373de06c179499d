// alloc_counter.h: counts the heap allocations made while counting is on, to
// show that painting allocates nothing.
#pragma once

#include <cstdint>

namespace bench {

// True when every malloc, calloc and realloc of the process is counted (also
// those made inside Qt, and operator new, which calls malloc). Sanitizer
// builds bring their own allocator and count nothing.
bool CountsAllocations();

// Counts from zero, on every thread, until StopCountingAllocations.
void StartCountingAllocations();
// Stops counting and returns how many allocations were made since the start.
std::int64_t StopCountingAllocations();

}  // namespace bench
