// menus_win32.h: the menu bar's Win32 menu, and its commands by id.
#pragma once

#include <windows.h>

#include "classlib/peer.h"

namespace classlib {
class TMenuItem;
}

namespace classlib::win32 {

// Puts the bar into the window's frame; returns the menu.
HMENU ShowMenuIn(TMenuPeer& bar, HWND window);
// Raises the item's OnClick for a WM_COMMAND from a menu; false for an id
// that is no command of ours.
bool ChooseCommand(UINT id);
// The id of a command, for tests that choose it as the menu would.
UINT CommandOf(const TMenuItem& item);

}  // namespace classlib::win32
