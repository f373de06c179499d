// widgets_qt.h: the image's peer, which the accessibility bridge names as
// a graphic.
#pragma once

#include <QImage>
#include <QWidget>

#include "classlib/image.h"
#include "classlib/qt/peers.h"

namespace classlib {

class ImageWidget : public QtPeer<QWidget> {
 public:
  ImageWidget(TImage& image, QWidget* parent);
  void Invalidate() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TImage& image_;
  QImage shown_;  // what the image shows, at the size shownFor_
  QSize shownFor_;
};

}  // namespace classlib
