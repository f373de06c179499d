// image_compare.cpp: exact surface comparison for pixel tests.
#include "support/image_compare.h"

#include <cstdio>
#include <filesystem>
#include <map>

#include "support/bmp_bytes.h"

namespace testsupport {

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

platform::Surface Numbered(int w, int h) {
  platform::Surface s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, platform::Rgb(x * 7, y * 11, x + y));
  }
  return s;
}

std::string SavePicture(const std::string& name, const platform::Surface& surface) {
  std::filesystem::create_directories(TESSRA_TEST_OUTPUT_DIR);
  const std::string path = std::string(TESSRA_TEST_OUTPUT_DIR) + "/" + name + ".bmp";
  const BmpSpec file = Bmp24(surface);
  WriteFile(path, file.Build());
  return path;
}

::testing::AssertionResult SameImage(const std::string& name,
                                     const platform::Surface& actual,
                                     const platform::Surface& expected) {
  const bool sameSize =
      actual.Width() == expected.Width() && actual.Height() == expected.Height();
  if (sameSize && actual == expected) return ::testing::AssertionSuccess();
  SavePicture(name + "-actual", actual);
  SavePicture(name + "-expected", expected);
  auto failure = ::testing::AssertionFailure() << name << ": ";
  if (!sameSize) {
    return failure << "size " << actual.Width() << "x" << actual.Height() << ", expected "
                   << expected.Width() << "x" << expected.Height();
  }
  // Red where the pictures differ; the first difference in reading order named.
  platform::Surface diff(actual.Width(), actual.Height(), platform::Rgb(0, 0, 0));
  int first = -1;
  for (int i = actual.Width() * actual.Height() - 1; i >= 0; --i) {
    const int x = i % actual.Width(), y = i / actual.Width();
    if (actual.Pixel(x, y) == expected.Pixel(x, y)) continue;
    diff.SetPixel(x, y, platform::Rgb(255, 0, 0));
    first = i;
  }
  const int x = first % actual.Width(), y = first / actual.Width();
  char colours[40];
  std::snprintf(colours, sizeof colours, "#%06X, expected #%06X", actual.Pixel(x, y) & 0xFFFFFFu,
                expected.Pixel(x, y) & 0xFFFFFFu);
  return failure << "first difference at (" << x << ", " << y << "): " << colours
                 << " (pictures beside " << SavePicture(name + "-diff", diff) << ")";
}

platform::Surface Crop(const platform::Surface& s, int x, int y, int w, int h) {
  platform::Surface block(w, h);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) block.SetPixel(col, row, s.Pixel(x + col, y + row));
  }
  return block;
}

}  // namespace testsupport
