// lock_probe.cpp: helper process for the single-instance tests: takes a named
// lock in a folder and holds it until killed.
//
// Usage: lock_probe FOLDER NAME
// Exit codes: 1 the lock is held by another, 2 no lock could be made, 3 wrong
// usage. A probe that got the lock holds it until it is killed; after a
// minute it gives up and exits with 0, so a crashed test leaves no probe
// behind.
#include <chrono>
#include <thread>

#include "platform/instancelock.h"

int main(int argc, char** argv) {
  if (argc != 3) return 3;
  platform::InstanceLock lock(argv[1]);
  switch (lock.Acquire(argv[2])) {
    case platform::LockResult::HeldByOther:
      return 1;
    case platform::LockResult::Unavailable:
      return 2;
    case platform::LockResult::Acquired:
      break;
  }
  std::this_thread::sleep_for(std::chrono::minutes(1));
  return 0;
}
