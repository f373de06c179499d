// qimage_bridge_qt_test.cpp: surfaces to and from Qt's images.
#include <gtest/gtest.h>

#include <QImage>

#include "classlib/qt/qimage_bridge.h"
#include "support/image_compare.h"

namespace {

using platform::Rgb;
using platform::Surface;
using testsupport::FromArt;
using testsupport::SameImage;

const std::initializer_list<std::pair<char, platform::Color>> kLegend = {
    {'K', Rgb(0, 0, 0)}, {'Y', Rgb(255, 255, 0)}, {'B', Rgb(0, 0, 255)},
    {'t', Rgb(0, 128, 0)}, {'G', Rgb(128, 128, 128)}, {'r', Rgb(255, 0, 0)}};

// Pictures from resources come in any format, indexed ones included.
TEST(QImageBridge, RoundTripKeepsEveryPixel) {
  const Surface s = FromArt({"KYB", "tGr"}, kLegend);
  const QImage image = classlib::ToQImage(s);
  EXPECT_TRUE(SameImage("bridge", classlib::SurfaceFromQImage(image), s));
  EXPECT_TRUE(SameImage("bridge-indexed",
                        classlib::SurfaceFromQImage(image.convertToFormat(QImage::Format_Indexed8)), s));
  EXPECT_TRUE(classlib::SurfaceFromQImage(QImage()).IsEmpty());
  EXPECT_TRUE(classlib::ToQImage(Surface()).isNull());
}

}  // namespace
