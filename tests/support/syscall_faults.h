// syscall_faults.h: open and pread interrupted, cut short or failed on
// request, for the file intake's tests and the fuzzer. The shim takes their
// place only in binaries linked with -Wl,--wrap=open,--wrap=pread.
#pragma once

#include <string>

namespace testsupport {

// Each open or pread takes the next step of `plan`: '.' goes through, 'i'
// fails with EINTR before doing anything, 's' reads half of what was asked
// (at least one byte), 'f' fails with EIO. Past the plan's end every call
// goes through.
void SetSyscallPlan(std::string plan);

// Calls made since the plan was set, its own steps included.
int SyscallsMade();

}  // namespace testsupport
