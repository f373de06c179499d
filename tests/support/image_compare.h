// image_compare.h: exact comparison of surfaces, with pictures of a failure.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/surface.h"

namespace testsupport {

// Builds a surface from ASCII art: one string per row, each character looked
// up in the legend ("." -> silver, "#" -> black, ...).
platform::Surface FromArt(std::initializer_list<std::string_view> rows,
                          std::initializer_list<std::pair<char, platform::Color>> legend);

// A w x h surface whose every pixel differs from its neighbours, so that a
// misplaced copy cannot go unnoticed.
platform::Surface Numbered(int w, int h);

// Passes when both surfaces have the same size and pixels. Otherwise names the
// first differing pixel and writes NAME-actual.bmp, NAME-expected.bmp and
// NAME-diff.bmp into the test output folder.
::testing::AssertionResult SameImage(const std::string& name,
                                     const platform::Surface& actual,
                                     const platform::Surface& expected);

// The w x h block of `s` at (x, y), copied pixel by pixel: an oracle that
// does not go through the block transfers under test.
platform::Surface Crop(const platform::Surface& s, int x, int y, int w, int h);

// Writes the surface as a BMP file into the test output folder; returns the path.
std::string SavePicture(const std::string& name, const platform::Surface& surface);

}  // namespace testsupport
