// bitmap.cpp: bitmap sizing within the pixel budget, and loading.
#include "classlib/bitmap.h"

#include <new>

#include "classlib/bmploader.h"
#include "classlib/exception.h"
#include "classlib/sentences.h"

namespace classlib {

namespace {

[[noreturn]] void ThrowOutOfMemory(int width, int height) {
  throw Exception(Sentence(TSentence::BitmapOutOfMemory).Arg(width).Arg(height));
}

}  // namespace

TBitmap::TBitmap() : canvas_(&surface_) {}

void TBitmap::SetWidth(int width) { ChangeSize(width, Height()); }

void TBitmap::SetHeight(int height) { ChangeSize(Width(), height); }

// The size is checked against the pixel budget before any memory is asked
// for; a failed allocation leaves the bitmap as it was.
void TBitmap::ChangeSize(int width, int height) {
  if (width < 0 || height < 0) {
    throw Exception(Sentence(TSentence::BitmapBadSize).Arg(width).Arg(height));
  }
  if (width == Width() && height == Height()) return;
  if (std::uint64_t(width) * std::uint64_t(height) > platform::kMaxSurfacePixels) {
    ThrowOutOfMemory(width, height);
  }
  try {
    surface_.Resize(width, height);
  } catch (const std::bad_alloc&) {
    ThrowOutOfMemory(width, height);
  }
}

bool TBitmap::LoadFromFile(const TString& fileName,
                           const std::function<bool(int, int)>& accept) {
  return LoadBmpFile(fileName, surface_, accept);
}

}  // namespace classlib
