// image_compare.cpp: exact surface comparison for pixel tests.
#include "support/image_compare.h"

#include <QDir>
#include <QImage>
#include <map>

namespace testsupport {
namespace {

QImage ToImage(const platform::Surface& s) {
  return QImage(s.Bits(), s.Width(), s.Height(), s.BytesPerLine(), QImage::Format_RGB32)
      .copy();
}

std::string Hex(platform::Color c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", platform::RedOf(c),
                platform::GreenOf(c), platform::BlueOf(c));
  return text;
}

}  // namespace

platform::Surface FromArt(std::initializer_list<std::string_view> rows,
                          std::initializer_list<std::pair<char, platform::Color>> legend) {
  const std::map<char, platform::Color> colors(legend.begin(), legend.end());
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(rows.begin()->size());
  platform::Surface s(width, height);
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < width && x < static_cast<int>(row.size()); ++x) {
      s.SetPixel(x, y, colors.at(row[static_cast<std::size_t>(x)]));
    }
    ++y;
  }
  return s;
}

std::string SavePng(const std::string& name, const platform::Surface& surface) {
  QDir().mkpath(TESSRA_TEST_OUTPUT_DIR);
  const std::string path = std::string(TESSRA_TEST_OUTPUT_DIR) + "/" + name + ".png";
  ToImage(surface).save(QString::fromStdString(path), "PNG");
  return path;
}

::testing::AssertionResult SameImage(const std::string& name,
                                     const platform::Surface& actual,
                                     const platform::Surface& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    SavePng(name + "-actual", actual);
    SavePng(name + "-expected", expected);
    return ::testing::AssertionFailure()
           << name << ": size " << actual.Width() << "x" << actual.Height()
           << ", expected " << expected.Width() << "x" << expected.Height();
  }
  for (int y = 0; y < actual.Height(); ++y) {
    for (int x = 0; x < actual.Width(); ++x) {
      if (actual.Pixel(x, y) == expected.Pixel(x, y)) continue;
      platform::Surface diff(actual.Width(), actual.Height(), platform::Rgb(0, 0, 0));
      for (int dy = 0; dy < actual.Height(); ++dy) {
        for (int dx = 0; dx < actual.Width(); ++dx) {
          if (actual.Pixel(dx, dy) != expected.Pixel(dx, dy)) {
            diff.SetPixel(dx, dy, platform::Rgb(255, 0, 0));
          }
        }
      }
      SavePng(name + "-actual", actual);
      SavePng(name + "-expected", expected);
      const std::string diffPath = SavePng(name + "-diff", diff);
      return ::testing::AssertionFailure()
             << name << ": first difference at (" << x << ", " << y << "): "
             << Hex(actual.Pixel(x, y)) << ", expected " << Hex(expected.Pixel(x, y))
             << " (pictures beside " << diffPath << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace testsupport
