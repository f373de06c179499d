// image.h: a control that shows a picture.
#pragma once

#include <QImage>
#include <QWidget>

#include "classlib/tstring.h"
#include "platform/surface.h"

namespace classlib {

// Shows its picture unscaled at its top-left corner (or scaled to its size
// with Stretch); the rest shows the parent. With AutoSize it takes the
// picture's size.
class TImage : public QWidget {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent);

  const platform::Surface& Picture() const { return surface_; }
  // Keeps its own copy of the picture.
  void SetPicture(const platform::Surface& picture);
  // What a screen reader calls the picture: the words it shows.
  void SetAccessibleName(const TString& name);
  void SetAutoSize(bool autoSize);
  void SetStretch(bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyAutoSize();

  platform::Surface surface_;
  QImage picture_;  // the same, as Qt paints it
  bool autoSize_ = false;
  bool stretch_ = false;
};

}  // namespace classlib
