// loop_win32.h: the one message loop, nested for modal windows.
#pragma once

#include <windows.h>

#include <functional>

namespace classlib::win32 {

// Takes messages from the thread's queue and dispatches them, each first
// offered to the application's message hook, until `done` is true, or,
// without `done`, until the quit message; a nested loop that meets the
// quit message ends and passes it on. With `dialog`, the keys that move
// between a dialog's controls (Tab, Enter, Escape) are the dialog's.
void RunMessageLoop(HWND dialog, const std::function<bool()>& done);

}  // namespace classlib::win32
