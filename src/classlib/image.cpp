// image.cpp: picture controls.
#include "classlib/image.h"

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

void TImage::ApplyAutoSize() {
  if (autoSize_ && !picture_.IsEmpty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

}  // namespace classlib
