// keys.h: the key codes the class library's controls take (the values
// Windows gives its virtual keys), and the shift state beside them.
#pragma once

#include <cstdint>

namespace classlib {

using TKeyCode = std::uint16_t;

inline constexpr TKeyCode VK_TAB = 0x09;
inline constexpr TKeyCode VK_RETURN = 0x0D;
inline constexpr TKeyCode VK_ESCAPE = 0x1B;
inline constexpr TKeyCode VK_SPACE = 0x20;
inline constexpr TKeyCode VK_PRIOR = 0x21;  // Page Up
inline constexpr TKeyCode VK_NEXT = 0x22;   // Page Down
inline constexpr TKeyCode VK_END = 0x23;
inline constexpr TKeyCode VK_HOME = 0x24;
inline constexpr TKeyCode VK_LEFT = 0x25;
inline constexpr TKeyCode VK_UP = 0x26;
inline constexpr TKeyCode VK_RIGHT = 0x27;
inline constexpr TKeyCode VK_DOWN = 0x28;

struct TShiftState {
  bool Ctrl = false;
  bool AutoRepeat = false;  // a held key's repeat
};

}  // namespace classlib
