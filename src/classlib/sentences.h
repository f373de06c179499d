// sentences.h: every sentence that tells the player why a picture or a
// bitmap cannot be used, in one table.
#pragma once

#include "bmp/bmp.h"
#include "classlib/tstring.h"

namespace classlib {

enum class TSentence {
  FileUnusable,       // %1: the file's name; for a refusal without a sentence of its own
  FileOpenFailed,     // %1: the file's name, %2: the system's error number
  BitmapBadSize,      // %1 x %2: the size asked for
  BitmapOutOfMemory,  // %1 x %2: the size asked for
  PictureTooSmall,
  PictureTooLarge,
};

TString Sentence(TSentence which);

// Why the decoder refused a file; %1 is the file's name.
TString Sentence(bmp::BmpError error);

}  // namespace classlib
