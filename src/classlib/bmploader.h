// bmploader.h: BMP files into surfaces, with every refusal told in one
// Japanese sentence that names the file.
#pragma once

#include <functional>

#include "classlib/tstring.h"
#include "platform/surface.h"

namespace classlib {

// Decodes the file into `into` (opaque 32-bit RGB). `accept`, when given, is
// asked with the header's size before any pixel is read; when it declines,
// LoadBmpFile returns false. Throws Exception with a sentence naming the file
// and the fault when the file cannot be used. `into` is left unchanged
// unless the picture was loaded.
bool LoadBmpFile(const TString& fileName, platform::Surface& into,
                 const std::function<bool(int width, int height)>& accept = {});

}  // namespace classlib
