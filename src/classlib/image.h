// image.h: a control that shows a picture.
#pragma once

#include <QImage>
#include <QWidget>

namespace classlib {

// Shows its picture unscaled at its top-left corner (or scaled to its size
// with Stretch); the rest shows the parent. With AutoSize it takes the
// picture's size.
class TImage : public QWidget {
  Q_OBJECT

 public:
  explicit TImage(QWidget* parent);

  const QImage& Picture() const { return picture_; }
  // Keeps its own copy of the picture.
  void SetPicture(const QImage& picture);
  void SetAutoSize(bool autoSize);
  void SetStretch(bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyAutoSize();

  QImage picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
};

}  // namespace classlib
