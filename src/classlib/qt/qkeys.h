// qkeys.h: Qt's keys as the class library's key codes, and back.
#pragma once

#include <QKeyEvent>
#include <utility>

#include "classlib/keys.h"

namespace classlib {

inline constexpr std::pair<Qt::Key, TKeyCode> kQtKeys[] = {
    {Qt::Key_Tab, VK_TAB},       {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},   {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},       {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},     {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
};

// 0 for a key the controls do not take.
inline TKeyCode KeyCodeOf(const QKeyEvent* event) {
  for (const auto& [qt, code] : kQtKeys) {
    if (event->key() == qt) return code;
  }
  return 0;
}

inline Qt::Key QtKeyOf(TKeyCode code) {
  for (const auto& [qt, ours] : kQtKeys) {
    if (ours == code) return qt;
  }
  return Qt::Key_unknown;
}

}  // namespace classlib
