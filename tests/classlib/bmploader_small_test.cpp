// bmploader_small_test.cpp: palette pictures small enough that their pixels
// end inside the header bytes read first.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "classlib/bmploader.h"
#include "support/bmp_bytes.h"

namespace {

TEST(BmpLoaderSmall, PixelsInsideTheHeadAreReadWithTrailingBytesAfterThem) {
  testsupport::BmpSpec file;
  file.Bits = 1;
  file.ColoursUsed = 2;
  file.Palette = {{0, 0, 0}, {255, 255, 255}};
  file.Pixels = {0x40, 0, 0, 0, 0x80, 0, 0, 0};  // bottom row: 0 1; top row: 1 0
  testsupport::Bytes bytes = file.Build();
  ASSERT_LT(bytes.size(), 150u);
  bytes.insert(bytes.end(), 300, 0xAB);  // trailing bytes past the head
  QTemporaryDir dir;
  const std::string path = dir.filePath("tiny.bmp").toStdString();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  platform::Surface surface;
  ASSERT_NO_THROW(classlib::LoadBmpFile(QString::fromStdString(path), surface));
  ASSERT_EQ(surface.Width(), 2);
  EXPECT_EQ(surface.Pixel(0, 0), platform::Rgb(255, 255, 255));
  EXPECT_EQ(surface.Pixel(1, 0), platform::Rgb(0, 0, 0));
  EXPECT_EQ(surface.Pixel(0, 1), platform::Rgb(0, 0, 0));
  EXPECT_EQ(surface.Pixel(1, 1), platform::Rgb(255, 255, 255));
}

}  // namespace
