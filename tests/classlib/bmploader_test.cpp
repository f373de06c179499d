// bmploader_test.cpp: BMP files into surfaces: the refusals players read,
// and the shipped samples.
#include "classlib/bmploader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "classlib/exception.h"
#include "support/bmp_bytes.h"
#include "support/bmploader_support.h"

namespace {

namespace fs = std::filesystem;
using testsupport::BmpSpec;
using testsupport::Bytes;
using testsupport::Load;
using testsupport::MessageOf;
using testsupport::TestDir;

// Whatever the fault, the target surface keeps its pixels. Header faults are
// found before the size check is asked; a broken stream only by decoding.
TEST(BmpLoader, RefusalsNameTheFileAndTheFault) {
  const fs::path dir = TestDir();
  BmpSpec cut;
  cut.Pixels.assign(13, 0);  // one byte short of a row of 8 and one of 6
  BmpSpec huge;
  huge.Width = huge.Height = 20000;
  const BmpSpec overrun = testsupport::Rle8(100, 200, {0xFF, 0xFF, 0, 1}, 256);  // a run past its row
  const struct {
    const char* Name;
    std::optional<Bytes> File;
    bool HeaderFault;
    const char* Sentence;
  } rows[] = {
      {"foo.bmp", std::nullopt, true, "を開けません。ファイルが見つかりません。"},
      {"gif.bmp", Bytes{'G', 'I', 'F', '8'}, true, "はビットマップファイルではありません。"},
      {"cut.bmp", cut.Build(), true, "のピクセルデータが途中で切れています。"},
      {"huge.bmp", huge.Build(), true, "の画像が大きすぎて読み込めません。"},
      {"rle.bmp", overrun.Build(), false, "の圧縮されたピクセルデータが壊れています。"},
  };
  for (const auto& r : rows) {
    const fs::path path = dir / r.Name;
    if (r.File) testsupport::WriteFile(path, *r.File);
    const std::string message = std::string("「") + r.Name + "」" + r.Sentence;
    platform::Surface s(3, 2, platform::Rgb(1, 2, 3));
    const platform::Surface before = s;
    bool asked = false;
    EXPECT_EQ(MessageOf([&] { classlib::LoadBmpFile(path.string(), s, [&](int, int) { return asked = true; }); }),
              message);
    EXPECT_EQ(s, before) << r.Name;
    EXPECT_EQ(asked, !r.HeaderFault) << r.Name;
  }
}

TEST(BmpLoader, FoldersAreRefusedAtOnce) {
  const fs::path dir = TestDir();
  EXPECT_EQ(MessageOf([&] { Load(dir); }), "「" + dir.filename().string() + "」はフォルダーなので開けません。");
}

// The pictures shipped for players: each must load, and its pieces (a fifth
// of each side) must stay under a third of the board's 355 x 341 client area.
TEST(BmpLoader, SamplesLoadAndFitTheBoard) {
  int count = 0;
  for (const auto& file : fs::directory_iterator(fs::path(TESSRA_SOURCE_DIR) / "samples")) {
    if (file.path().extension() != ".bmp") continue;
    SCOPED_TRACE(file.path());
    ++count;
    const platform::Surface s = Load(file.path());
    EXPECT_TRUE(s.Width() >= 120 && s.Width() / 5 < 355 / 3);
    EXPECT_TRUE(s.Height() >= 120 && s.Height() / 5 < 341 / 3);
  }
  EXPECT_GE(count, 5);
}

}  // namespace
