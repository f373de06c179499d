// gothicfont.h: the Japanese Gothic face the windows are laid out in.
#pragma once

#include <QFont>

// The proportional Japanese Gothic face at a character height of `pixelSize`
// pixels: the face the layouts were designed with, then the faces that stand
// in for it where it is not installed.
QFont GothicFont(int pixelSize);
