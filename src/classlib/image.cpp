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
  shownFor_ = {-1, -1};
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
  shownFor_ = {-1, -1};
  Peer().Invalidate();
}

const platform::Surface& TImage::Shown() const {
  const std::pair size{Width(), Height()};
  if (size == shownFor_) return shown_;
  shownFor_ = size;
  shown_ = {};
  if (picture_.IsEmpty() || size.first <= 0 || size.second <= 0) return shown_;
  if (stretch_) {
    shown_ = platform::Surface(size.first, size.second);
    platform::StretchBlt(shown_, {0, 0, size.first, size.second}, picture_, {0, 0, picture_.Width(), picture_.Height()});
    return shown_;
  }
  const int w = std::min(picture_.Width(), size.first), h = std::min(picture_.Height(), size.second);
  shown_ = platform::Surface(w, h);
  platform::BitBlt(shown_, 0, 0, w, h, picture_, 0, 0, platform::RasterOp::Copy);
  return shown_;
}

void TImage::ApplyAutoSize() {
  if (autoSize_ && !picture_.IsEmpty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

}  // namespace classlib
