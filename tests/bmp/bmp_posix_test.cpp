// bmp_posix_test.cpp: the file read through interrupted, short and failing
// system calls, which the POSIX intake must go on after or refuse at once.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <tuple>

#include "bmp/bmp.h"
#include "support/bmp_bytes.h"
#include "support/syscall_faults.h"
#include "support/tempdir.h"

namespace {

using bmp::BmpError;
using testsupport::BmpSpec;

// Every interrupted call is made again and every short read continued, to
// the same picture; a failure refuses the file at once, with no call after it.
TEST(BmpIntake, InterruptedShortAndFailedSystemCalls) {
  testsupport::TempDir dir;
  BmpSpec s = testsupport::Rle8(300, 1000, {});
  s.Compression = 0;
  // more pixel data than one chunk
  for (int i = 0; i < 300 * 1000; ++i) s.Pixels.push_back(static_cast<std::uint8_t>(i % 7 % 2));
  const std::string path = dir.FilePath("calls.bmp");
  testsupport::WriteFile(path, s.Build());
  const auto clean = bmp::LoadBmp(path);
  ASSERT_TRUE(clean.Ok());
  // Calls in order: open, the head, the palette, the pixel data.
  for (const char* plan : {"i", "iiii.", ".i", ".s", ".iss", "..s", "...s", "...sisssssss"}) {
    testsupport::SetSyscallPlan(plan);
    const auto load = bmp::LoadBmp(path);
    testsupport::SetSyscallPlan("");
    EXPECT_TRUE(load.Ok() && load.Picture == clean.Picture) << plan;
  }
  const struct {
    const char* Plan;
    BmpError Error;
  } failures[] = {{"f", BmpError::OpenFailed}, {"i.f", BmpError::ReadFailed},
                  {"..if", BmpError::ReadFailed}, {"...sf", BmpError::ReadFailed}};
  for (const auto& f : failures) {
    testsupport::SetSyscallPlan(f.Plan);
    const auto load = bmp::LoadBmp(path);
    const int calls = testsupport::SyscallsMade();
    testsupport::SetSyscallPlan("");
    EXPECT_EQ(std::tuple(load.Error, load.SystemError, calls),
              std::tuple(f.Error, EIO, static_cast<int>(std::strlen(f.Plan))))
        << f.Plan;
  }
}

}  // namespace
