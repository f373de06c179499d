// font_win32.h: a font for the class library's TFont: the first of its
// faces that the system really gives, checked by reading the face back.
#pragma once

#include <windows.h>

#include "classlib/font.h"

namespace classlib::win32 {

// Kept for the life of the program; the same TFont gives the same font.
HFONT FontHandle(const TFont& font);

}  // namespace classlib::win32
