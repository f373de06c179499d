// corpus_posix_test.cpp: every file of the hostile-picture corpus opened
// through the main window's Open command, at the corpus's own small size and
// at a size the board accepts; then pictures declaring huge sizes, with the
// memory they may make the window take. The corpus is made by a Python
// script and memory read from /proc: POSIX only.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classlib/msgdialog.h"
#include "forms/mainwindow_fixture.h"
#include "bmp/header.h"
#include "soak/process_memory.h"
#include "support/bmp_bytes.h"
#include "support/image_compare.h"

using namespace classlib;

namespace formtest {
namespace {

namespace fs = std::filesystem;

const std::string kTooSmall = "120 × 120 [Pixel] 以上のビットマップを指定してください。";
const std::string kTooLarge = "ビットマップが大きすぎます。";

// Whether the file's headers pass and declare a picture below 120 pixels.
bool SmallWithSoundHeaders(const fs::path& path) {
  const testsupport::Bytes bytes = testsupport::ReadFile(path);
  const bmp::BmpHeaderResult parsed = bmp::ParseBmpHeader(bytes, bytes.size());
  return parsed.Ok() && (parsed.Header.Width < 120 || parsed.Header.Height < 120);
}

class CorpusTest : public MainWindowTest, public ::testing::WithParamInterface<std::pair<int, int>> {
 protected:
  void ExpectAccepted(const fs::path& path, const testsupport::CorpusEntry& entry) {
    ASSERT_TRUE(boxTexts_.empty()) << boxTexts_[0];
    ASSERT_TRUE(View().PictureReady());
    EXPECT_EQ(View().PieceWidth(), entry.Width / 5);
    EXPECT_EQ(View().PieceHeight(), entry.Height / 5);
    EXPECT_TRUE(testsupport::SameImage("window-corpus-" + entry.Name, View().BmpPicture()->Surface(),
                                       testsupport::ReadPpm(path.string() + ".ppm")));
    Start(5);
    EXPECT_TRUE(View().Game().Playing);
  }
};

TEST_P(CorpusTest, EveryFileThroughTheOpenCommand) {
  const auto [width, height] = GetParam();
  const fs::path dir = fs::path(TESSRA_TEST_OUTPUT_DIR) / "window-corpus" /
                       (std::to_string(width) + "x" + std::to_string(height));
  const auto corpus = testsupport::MakeCorpus(dir, width, height);
  ASSERT_FALSE(corpus.empty()) << "tools/make_corpus.py made no corpus";
  int accepted = 0;
  for (const auto& entry : corpus) {
    SCOPED_TRACE(entry.Name + " (" + entry.Verdict + ")");
    OpenRecorded((dir / entry.Name).string());
    if (entry.Verdict == "ok" && entry.Width >= 120 && entry.Height >= 120) {
      ExpectAccepted(dir / entry.Name, entry);
      ++accepted;
      continue;
    }
    ASSERT_EQ(boxTexts_.size(), 1u);
    if (entry.Verdict == "ok" || SmallWithSoundHeaders(dir / entry.Name)) {
      // The size rule goes first, from the headers: a small picture is told
      // so in the rule's own words, whatever its pixels hold.
      EXPECT_EQ(boxTexts_[0], kTooSmall);
      EXPECT_EQ(boxTypes_[0], TMsgDlgType::mtInformation);
    } else {
      EXPECT_TRUE(boxTexts_[0].starts_with("「" + entry.Name + "」")) << boxTexts_[0];
      EXPECT_EQ(boxTypes_[0], TMsgDlgType::mtWarning);
    }
    ExpectRefusedAndUsable();
  }
  if (width >= 120) {
    EXPECT_GE(accepted, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CorpusTest, ::testing::Values(std::pair(11, 7), std::pair(130, 125)),
                         [](const auto& info) {
                           return "Pictures" + std::to_string(info.param.first) + "x" +
                                  std::to_string(info.param.second);
                         });

// Headers that pass every check but declare sizes far beyond the board: the
// size rules refuse them from the header, before a pixel is decoded, so the
// window's memory does not grow with what a file claims.
class DeclaredSizeTest : public MainWindowTest {};

TEST_F(DeclaredSizeTest, HugeDeclaredSizesAreRefusedWithoutTheirMemory) {
  struct Case {
    const char* Name;
    int Width, Height;
    std::string Refusal;
  };
  const Case cases[] = {{"rle_8192_square.bmp", 8192, 8192, kTooLarge},
                        {"rle_wide_low.bmp", 65535, 119, kTooSmall},
                        {"rle_narrow_high.bmp", 119, 65535, kTooSmall},
                        {"rle_tall.bmp", 200, 300000, kTooLarge}};
  const bool freshPeak = soak::ResetPeakResident();
  const auto before = soak::ResidentKiB();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const testsupport::BmpSpec file = testsupport::Rle8(c.Width, c.Height, {0, 1});  // ends at once
    const std::string path = dir_.FilePath(c.Name);
    testsupport::WriteFile(path, file.Build());
    ExpectBox();
    Open(path);
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0], c.Refusal);
    boxTexts_.clear();
    EXPECT_FALSE(View().PictureReady());
  }
  const auto peak = soak::PeakResidentKiB();
  ASSERT_TRUE(before && peak);
  // Any of these decoded would take 64 MiB or more.
  const long bound = freshPeak ? *before + 32 * 1024 : 1024 * 1024;
  EXPECT_LT(*peak, bound) << "peak resident KiB " << *peak << ", before " << *before;
}

}  // namespace
}  // namespace formtest
