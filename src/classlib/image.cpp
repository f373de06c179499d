// image.cpp: picture controls.
#include "classlib/image.h"

#include <QPainter>

#include "classlib/accessible.h"
#include "classlib/qt/qimage_bridge.h"
#include "classlib/qt/qstring.h"

namespace classlib {

TImage::TImage(QWidget* parent) : QWidget(parent) { InstallAccessibleFactory(); }

void TImage::SetPicture(const platform::Surface& picture) {
  surface_ = picture;
  picture_ = ToQImage(picture);
  ApplyAutoSize();
  update();
}

void TImage::SetAccessibleName(const TString& name) { setAccessibleName(ToQString(name)); }

void TImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  ApplyAutoSize();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TImage::ApplyAutoSize() {
  if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_) {
    painter.drawImage(rect(), picture_);
  } else {
    painter.drawImage(0, 0, picture_);
  }
}

}  // namespace classlib
