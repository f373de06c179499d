// messages.h: window messages and replaceable window procedures.
#pragma once

#include <cstdint>
#include <functional>

namespace classlib {

// The root of the class library's objects: what an event names as its
// sender. Every control that raises events is one.
class TObject {
 public:
  virtual ~TObject() = default;
};

// A message as a window procedure sees it. `Result` is what the sender of the
// message gets back.
struct TMessage {
  std::uint32_t Msg = 0;
  std::intptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::int32_t Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Where the Windows headers came first, their own macros of the same names
// and values stand in for these.
#ifndef WM_PAINT
inline constexpr std::uint32_t WM_PAINT = 0x000F;
#endif
#ifndef WM_ERASEBKGND
inline constexpr std::uint32_t WM_ERASEBKGND = 0x0014;
#endif
#ifndef WM_SYSCOMMAND
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
#endif
#ifndef SC_MINIMIZE
inline constexpr std::intptr_t SC_MINIMIZE = 0xF020;
#endif
#ifndef SC_RESTORE
inline constexpr std::intptr_t SC_RESTORE = 0xF120;
#endif

}  // namespace classlib
