// crash_report.h: on Windows, a crash in a test program is reported and
// fails its test at once, rather than waiting in a debugger.
#pragma once

#if defined(_WIN32)
#include <windows.h>

#include <cstdio>

namespace testsupport {

inline LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "crashed with exception 0x%08lX\n",
               static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

inline void FailOnCrash() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);
}

}  // namespace testsupport
#endif
