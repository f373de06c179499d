// surface_memory_test.cpp: a surface sized with undefined pixels takes its
// memory only as it is drawn on.
#include <gtest/gtest.h>

#include "platform/raster.h"
#include "soak/process_memory.h"

namespace {

using platform::Rgb;

TEST(SurfaceResizeUndefined, PagesBecomeResidentOnlyWhenDrawn) {
  if (soak::kMemoryIsQuarantined) GTEST_SKIP() << "resident sizes mean nothing in this build";
  const std::optional<long> before = soak::ResidentKiB();
  if (!before) GTEST_SKIP() << "no resident size from the kernel";
  constexpr long kMiB = 1024;

  platform::Surface s;
  s.ResizeUndefined(4096, 4096);  // 64 MiB of pixels
  ASSERT_EQ(s.Width(), 4096);
  ASSERT_EQ(s.Height(), 4096);
  EXPECT_LT(*soak::ResidentKiB() - *before, 4 * kMiB);

  // A quarter drawn: those 16 MiB, and little more, become resident.
  platform::FillRect(s, {0, 0, 4096, 1024}, Rgb(1, 2, 3));
  EXPECT_EQ(s.Pixel(4095, 1023), Rgb(1, 2, 3));
  const long drawn = *soak::ResidentKiB() - *before;
  EXPECT_GT(drawn, 15 * kMiB);
  EXPECT_LT(drawn, 20 * kMiB);

  // The same size again keeps the pixels; a new size gives up all of them.
  s.ResizeUndefined(4096, 4096);
  EXPECT_EQ(s.Pixel(0, 0), Rgb(1, 2, 3));
  s.ResizeUndefined(2, 3);
  EXPECT_EQ(s.Width(), 2);
  EXPECT_EQ(s.Height(), 3);
}

}  // namespace
