// bmploader.h: reading BMP files into surfaces, with our own header checks
// in front of Qt's decoder.
#pragma once

#include <QString>

#include "platform/surface.h"

namespace classlib {

struct TBmpInfo {
  int Width = 0;
  int Height = 0;
};

// Reads and checks the file's headers only, against the file's size: the
// pixels are neither read nor decoded, so LoadBmpFile may still refuse a
// file this accepts (a broken compressed stream, a colour past the palette).
// Throws Exception with a Japanese sentence naming the file and the fault.
// Directories, pipes and devices are refused without waiting on them.
TBmpInfo ReadBmpInfo(const QString& fileName);

// Decodes the whole file into `into` (32-bit RGB). Throws Exception as above;
// `into` is left unchanged when the file cannot be used.
void LoadBmpFile(const QString& fileName, platform::Surface& into);

}  // namespace classlib
