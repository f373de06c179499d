// keys.h: the key codes the class library's controls take (the values
// Windows gives its virtual keys), and the shift state beside them.
#pragma once

#include <cstdint>

namespace classlib {

using TKeyCode = std::uint16_t;

// Where the Windows headers came first, their own macros of the same names
// and values stand in for these.
#ifndef VK_TAB
inline constexpr TKeyCode VK_TAB = 0x09;
#endif
#ifndef VK_RETURN
inline constexpr TKeyCode VK_RETURN = 0x0D;
#endif
#ifndef VK_ESCAPE
inline constexpr TKeyCode VK_ESCAPE = 0x1B;
#endif
#ifndef VK_SPACE
inline constexpr TKeyCode VK_SPACE = 0x20;
#endif
#ifndef VK_PRIOR
inline constexpr TKeyCode VK_PRIOR = 0x21;  // Page Up
#endif
#ifndef VK_NEXT
inline constexpr TKeyCode VK_NEXT = 0x22;   // Page Down
#endif
#ifndef VK_END
inline constexpr TKeyCode VK_END = 0x23;
#endif
#ifndef VK_HOME
inline constexpr TKeyCode VK_HOME = 0x24;
#endif
#ifndef VK_LEFT
inline constexpr TKeyCode VK_LEFT = 0x25;
#endif
#ifndef VK_UP
inline constexpr TKeyCode VK_UP = 0x26;
#endif
#ifndef VK_RIGHT
inline constexpr TKeyCode VK_RIGHT = 0x27;
#endif
#ifndef VK_DOWN
inline constexpr TKeyCode VK_DOWN = 0x28;
#endif

struct TShiftState {
  bool Ctrl = false;
  bool AutoRepeat = false;  // a held key's repeat
};

}  // namespace classlib
