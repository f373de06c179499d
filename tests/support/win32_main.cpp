// win32_main.cpp: main() for the window tests on Windows: the application
// object set up once, and a crash that fails its test at once rather than
// waiting in a debugger.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "classlib/application.h"

namespace {

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "crashed with exception 0x%08lX\n",
               static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
  ::testing::InitGoogleTest(&argc, argv);
  classlib::Application->Initialize(argc, argv);
  const int result = RUN_ALL_TESTS();
  classlib::Application->Finalize();
  return result;
}
