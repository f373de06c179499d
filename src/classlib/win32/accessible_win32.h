// accessible_win32.h: how screen readers on Windows see the class library's
// controls (MSAA): a draw grid is a table of named cells with a default
// action, and a window's painted controls (speed buttons, images, labels)
// are its children.
#pragma once

#include <windows.h>

namespace classlib::win32 {

class GridPeer;
class WindowPeer;

// The answers to WM_GETOBJECT for OBJID_CLIENT.
LRESULT AnswerGridObject(GridPeer& grid, WPARAM wParam);
LRESULT AnswerContainerObject(WindowPeer& window, WPARAM wParam);

}  // namespace classlib::win32
