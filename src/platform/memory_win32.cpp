// memory_win32.cpp: memory advice on Windows: none. Large pages there need
// a privilege the player's account does not have, and memory allocated
// before cannot be moved onto them.
#include "platform/memory.h"

namespace platform {

void AdviseLargePages(void*, std::size_t) {}

}  // namespace platform
