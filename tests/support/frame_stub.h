// frame_stub.h: window frames as a window manager would draw them, for the
// offscreen platform, which draws none.
#pragma once

#include <QWidget>

#include "classlib/form.h"

namespace testsupport {

// While it lives, shown forms report the frame that one window manager was
// measured to draw: a 1-pixel border, a 20-pixel title bar, and a 5-pixel
// grip along the bottom of windows that can be resized.
class StubbedFrames {
 public:
  static constexpr QMargins kResizable{1, 20, 1, 5};
  static constexpr QMargins kFixed{1, 20, 1, 1};

  StubbedFrames() {
    classlib::TForm::StubFrameMargins([](const QWidget* window) {
      return window->minimumSize() == window->maximumSize() ? kFixed : kResizable;
    });
  }
  ~StubbedFrames() { classlib::TForm::StubFrameMargins({}); }
  StubbedFrames(const StubbedFrames&) = delete;
  StubbedFrames& operator=(const StubbedFrames&) = delete;
};

}  // namespace testsupport
