// win32_main.cpp: main() for the window tests on Windows: the application
// object set up once, and a crash that fails its test at once.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "support/crash_report.h"

int main(int argc, char** argv) {
  testsupport::FailOnCrash();
  ::testing::InitGoogleTest(&argc, argv);
  classlib::Application->Initialize(argc, argv);
  const int result = RUN_ALL_TESTS();
  classlib::Application->Finalize();
  return result;
}
