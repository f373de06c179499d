// plain_main.cpp: main() for the test executables that show no window:
// GoogleTest alone, and on Windows a crash that fails its test at once.
#include <gtest/gtest.h>

#include "support/crash_report.h"

int main(int argc, char** argv) {
#if defined(_WIN32)
  testsupport::FailOnCrash();
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
