// image.cpp: picture controls.
#include "classlib/image.h"

#include <algorithm>

#include "platform/raster.h"

namespace classlib {

TImage::TImage(TWinControl* parent) : TGraphicControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TImage::SetPicture(const platform::Surface& picture) {
  picture_ = picture;
  ApplyAutoSize();
  Peer().Invalidate();
}

void TImage::SetIcon(TMsgDlgType kind) {
  icon_ = kind;
  Peer().Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  ApplyAutoSize();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Peer().Invalidate();
}

platform::Surface TImage::Shown() const {
  if (picture_.IsEmpty() || Width() <= 0 || Height() <= 0) return {};
  if (stretch_) {
    platform::Surface shown(Width(), Height());
    platform::StretchBlt(shown, {0, 0, Width(), Height()}, picture_, {0, 0, picture_.Width(), picture_.Height()});
    return shown;
  }
  const int w = std::min(picture_.Width(), Width()), h = std::min(picture_.Height(), Height());
  platform::Surface shown(w, h);
  platform::BitBlt(shown, 0, 0, w, h, picture_, 0, 0, platform::RasterOp::Copy);
  return shown;
}

void TImage::ApplyAutoSize() {
  if (autoSize_ && !picture_.IsEmpty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

}  // namespace classlib
