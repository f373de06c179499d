// instancelock_win32_test.cpp: the named mutex between two processes: a
// holder in another process keeps the name, and its end frees it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/instancelock.h"

namespace platform {
namespace {

TEST(InstanceMutex, AnotherProcessHoldsItUntilItEnds) {
  const std::string name = "tessra-test-" + std::to_string(GetCurrentProcessId());
  std::wstring command = L"\"" TESSRA_LOCK_PROBE_W L"\" . " + std::wstring(name.begin(), name.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION probe{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &probe));
  // Waits for the probe to hold the name; a bound for a hang only.
  bool held = false;
  for (int i = 0; i < 600 && !held; ++i) {
    if (HANDLE other = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str())) {
      CloseHandle(other);
      held = true;
    } else {
      Sleep(100);
    }
  }
  ASSERT_TRUE(held) << "the probe never took the mutex";
  InstanceLock lock;
  EXPECT_EQ(lock.Acquire(name), LockResult::HeldByOther);
  TerminateProcess(probe.hProcess, 0);
  WaitForSingleObject(probe.hProcess, INFINITE);
  CloseHandle(probe.hThread);
  CloseHandle(probe.hProcess);
  EXPECT_EQ(lock.Acquire(name), LockResult::Acquired);
}

}  // namespace
}  // namespace platform
