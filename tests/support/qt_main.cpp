// qt_main.cpp: main() for the Qt test executables: offscreen platform, one
// QApplication, a fixed style and palette, then GoogleTest.
#include "support/qt_main.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>

namespace testsupport {

void FixStyleAndPalette() {
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());
}

}  // namespace testsupport

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time, outside CTest's environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The pixel and geometry tests expect one device pixel per pixel and no
  // desktop theme, whatever the desktop the tests were started from.
  for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                           "QT_FONT_DPI", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"}) {
    unsetenv(name);
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  testsupport::FixStyleAndPalette();
  return RUN_ALL_TESTS();
}
