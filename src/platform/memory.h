// memory.h: advice to the system about large blocks of memory. One
// implementation file per system (memory_posix.cpp).
#pragma once

#include <cstddef>

namespace platform {

// Asks for 2 MiB pages for the whole large pages inside [at, at + bytes),
// so that a large picture written row by row takes a few dozen page faults
// rather than thousands. Only advice: a system without them ignores it.
void AdviseLargePages(void* at, std::size_t bytes);

}  // namespace platform
