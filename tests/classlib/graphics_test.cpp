// graphics_test.cpp: the bitmap's refused sizes and failed allocations.
#include "classlib/bitmap.h"

#include <gtest/gtest.h>

#include "classlib/exception.h"
#include "support/fail_allocation.h"

namespace {

using classlib::TBitmap;

// Negative sizes, sizes over the 256 MiB budget (8193 x 8192 just over it,
// 2^15 squared far over) and a failed allocation all throw and leave the
// bitmap as it was.
TEST(TBitmap, RefusedSizesThrowAndLeaveTheBitmapAsItWas) {
  TBitmap bmp;
  bmp.SetWidth(5);
  bmp.SetHeight(4);
  EXPECT_THROW(bmp.SetWidth(-1), classlib::Exception);
  EXPECT_THROW(bmp.SetHeight(-7), classlib::Exception);
  bmp.SetHeight(1 << 15);
  EXPECT_THROW(bmp.SetWidth(1 << 15), classlib::Exception);
  bmp.SetHeight(8192);
  EXPECT_THROW(bmp.SetWidth(8193), classlib::Exception);
  {
    testsupport::ArrayAllocationFailures noMemory([](std::size_t) { return true; });
    EXPECT_THROW(bmp.SetHeight(8), classlib::Exception);
  }
  EXPECT_EQ(std::pair(bmp.Width(), bmp.Height()), std::pair(5, 8192));
}

}  // namespace
