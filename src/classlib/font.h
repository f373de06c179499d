// font.h: fonts as the class library's controls take them.
#pragma once

#include <vector>

#include "classlib/tstring.h"

namespace classlib {

// The faces wanted, in order: the first one installed is used. The size is
// the height of a character cell in pixels.
struct TFont {
  std::vector<TString> Faces;
  int PixelSize = 12;
};

}  // namespace classlib
