// gothicfont.h: the Japanese Gothic face the windows are laid out in.
#pragma once

#include "classlib/font.h"

// The proportional Japanese Gothic face at a character height of `pixelSize`
// pixels: the face the layouts were designed with, then the faces that stand
// in for it where it is not installed.
classlib::TFont GothicFont(int pixelSize);
