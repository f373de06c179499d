// bmploader_test.cpp: BMP files into surfaces, and the messages for files
// that cannot be used.
#include "classlib/bmploader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <set>

#include "classlib/exception.h"
#include "support/bmp_bytes.h"
#include "support/image_compare.h"

namespace {

namespace fs = std::filesystem;
using platform::Rgb;
using testsupport::BmpSpec;
using testsupport::Bytes;

class BmpLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(TESSRA_TEST_OUTPUT_DIR) / "bmploader" / info->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }

  QString Write(const std::string& name, const Bytes& bytes) {
    testsupport::WriteFile(dir_ / name, bytes);
    return QString::fromStdString((dir_ / name).string());
  }

  // The message of the Exception the call throws, or "" when it returns.
  template <typename F>
  static QString MessageOf(F call) {
    try {
      call();
    } catch (const classlib::Exception& e) {
      return e.Message();
    }
    return {};
  }

  fs::path dir_;
};

platform::Surface Load(const QString& path) {
  platform::Surface s;
  classlib::LoadBmpFile(path, s);
  return s;
}

TEST_F(BmpLoader, DecodesTwentyFourBitPixelsExactly) {
  BmpSpec s;  // 2 x 2, stored bottom row first, blue-green-red
  s.Pixels = {0, 0, 255, 0, 255, 0, 0, 0,  // red, green
              255, 0, 0, 1, 2, 3, 0, 0};   // blue, near black (top row)
  const auto surface = Load(Write("rgb.bmp", s.Build()));
  const auto expected = testsupport::FromArt(
      {"bk", "rg"}, {{'r', Rgb(255, 0, 0)}, {'g', Rgb(0, 255, 0)}, {'b', Rgb(0, 0, 255)},
                     {'k', Rgb(3, 2, 1)}});
  EXPECT_TRUE(testsupport::SameImage("bmp-rgb24", surface, expected));
}

TEST_F(BmpLoader, DecodesPaletteAndRunLengthPictures) {
  BmpSpec pal;
  pal.Width = 3;
  pal.Height = -2;  // top-down
  pal.Bits = 4;
  pal.ColoursUsed = 3;
  pal.Palette = {{200, 0, 0}, {0, 200, 0}, {0, 0, 200}};
  pal.Pixels = {0x01, 0x20, 0, 0, 0x22, 0x10, 0, 0};
  const auto legend = std::initializer_list<std::pair<char, platform::Color>>{
      {'r', Rgb(200, 0, 0)}, {'g', Rgb(0, 200, 0)}, {'b', Rgb(0, 0, 200)}};
  EXPECT_TRUE(testsupport::SameImage("bmp-pal4", Load(Write("pal4.bmp", pal.Build())),
                                     testsupport::FromArt({"rgb", "bbg"}, legend)));

  BmpSpec rle = pal;
  rle.Height = 2;
  rle.Bits = 8;
  rle.Compression = 1;
  rle.Pixels = {2, 2, 0, 0,  // bottom row: two blues, the last pixel skipped
                0, 3, 1, 0, 1, 0, 0, 1};
  EXPECT_TRUE(testsupport::SameImage("bmp-rle8", Load(Write("rle8.bmp", rle.Build())),
                                     testsupport::FromArt({"grg", "bbr"}, legend)));
}

TEST_F(BmpLoader, ReadsInfoFromHeadersOnly) {
  BmpSpec s;
  s.Width = 100;
  s.Height = 200;
  s.Bits = 8;
  s.Compression = 1;
  s.Palette.assign(256, {0, 0, 0});
  s.Pixels = {0xFF, 0xFF, 0, 1};  // a run past its row: only decoding finds it
  const QString path = Write("info.bmp", s.Build());
  const classlib::TBmpInfo info = classlib::ReadBmpInfo(path);
  EXPECT_EQ(info.Width, 100);
  EXPECT_EQ(info.Height, 200);
  EXPECT_NE(MessageOf([&] { Load(path); }), QString());
}

TEST_F(BmpLoader, MessagesNameTheFileAndTheFault) {
  EXPECT_EQ(MessageOf([&] { Load(QString::fromStdString((dir_ / "foo.bmp").string())); }),
            QStringLiteral("「foo.bmp」を開けません。ファイルが見つかりません。"));
  EXPECT_EQ(MessageOf([&] { classlib::ReadBmpInfo(Write("foo.bmp", {'G', 'I', 'F', '8'})); }),
            QStringLiteral("「foo.bmp」はビットマップファイルではありません。"));
  BmpSpec whole;
  whole.Pixels.assign(16, 0);
  Bytes cut = whole.Build();
  cut.pop_back();
  EXPECT_EQ(MessageOf([&] { Load(Write("cut.bmp", cut)); }),
            QStringLiteral("「cut.bmp」のピクセルデータが途中で切れています。"));
  BmpSpec huge;
  huge.Width = 20000;
  huge.Height = 20000;
  EXPECT_EQ(MessageOf([&] { Load(Write("huge.bmp", huge.Build())); }),
            QStringLiteral("「huge.bmp」の画像が大きすぎて読み込めません。"));
}

TEST_F(BmpLoader, FoldersAndPipesAreRefusedAtOnce) {
  const QString folder = QString::fromStdString(dir_.string());
  EXPECT_EQ(MessageOf([&] { Load(folder); }),
            QStringLiteral("「%1」はフォルダーなので開けません。").arg(dir_.filename().c_str()));
  const fs::path fifo = dir_ / "pipe.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Run apart, so that a blocking open shows up as a failure and not a hang.
  auto pending = std::async(std::launch::async, [&] {
    return std::pair{MessageOf([&] { classlib::ReadBmpInfo(QString::fromStdString(fifo.string())); }),
                     MessageOf([&] { Load(QString::fromStdString(fifo.string())); })};
  });
  if (pending.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "opening a pipe blocked";
    // A writer end lets a blocked open return; keep offering one until done.
    while (pending.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
      ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    }
  }
  const auto [infoMessage, loadMessage] = pending.get();
  EXPECT_EQ(infoMessage, QStringLiteral("「pipe.bmp」は通常のファイルではないので開けません。"));
  EXPECT_EQ(loadMessage, infoMessage);
}

TEST_F(BmpLoader, SurfaceIsUnchangedOnFailure) {
  platform::Surface s(3, 2, Rgb(1, 2, 3));
  const platform::Surface before = s;
  Bytes broken = BmpSpec{}.Build();
  broken[28] = 7;  // bits per pixel
  EXPECT_THROW(classlib::LoadBmpFile(Write("bad.bmp", broken), s), classlib::Exception);
  EXPECT_THROW(classlib::LoadBmpFile(QStringLiteral("/nonexistent/x.bmp"), s), classlib::Exception);
  EXPECT_EQ(s, before);
}

// The pictures shipped for players: each must load, and its pieces (a fifth
// of each side) must stay under a third of the board's 355 x 341 client area.
TEST_F(BmpLoader, SamplesLoadAndFitTheBoard) {
  int count = 0;
  for (const auto& file : fs::directory_iterator(fs::path(TESSRA_SOURCE_DIR) / "samples")) {
    if (file.path().extension() != ".bmp") continue;
    ++count;
    const QString path = QString::fromStdString(file.path().string());
    const classlib::TBmpInfo info = classlib::ReadBmpInfo(path);
    const platform::Surface s = Load(path);
    EXPECT_EQ(s.Width(), info.Width) << file.path();
    EXPECT_EQ(s.Height(), info.Height) << file.path();
    EXPECT_TRUE(info.Width >= 120 && info.Width / 5 < 355 / 3) << file.path();
    EXPECT_TRUE(info.Height >= 120 && info.Height / 5 < 341 / 3) << file.path();
  }
  EXPECT_GE(count, 5);
}

platform::Surface ReadPpm(const fs::path& path) {
  const QImage image = QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
  platform::Surface s(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) s.SetPixel(x, y, image.pixel(x, y) | 0xFF000000u);
  }
  return s;
}

// Every accepted corpus file decodes to its reference pixels; every refused
// one throws a message that names it, one sentence per reason.
TEST_F(BmpLoader, CorpusVerdictsAndPixels) {
  const auto corpus = testsupport::BmpCorpus();
  if (corpus.empty()) GTEST_SKIP() << "python3 could not generate the corpus";
  std::map<std::string, QString> sentenceOf;
  for (const auto& entry : corpus) {
    const fs::path path = testsupport::BmpCorpusDir() / entry.Name;
    const QString qpath = QString::fromStdString(path.string());
    const QString name = QString::fromStdString(entry.Name);
    if (entry.Verdict == "ok") {
      platform::Surface s;
      EXPECT_EQ(MessageOf([&] { classlib::LoadBmpFile(qpath, s); }), QString()) << entry.Name;
      EXPECT_TRUE(testsupport::SameImage("corpus-" + entry.Name, s, ReadPpm(path.string() + ".ppm")));
      continue;
    }
    const QString message = MessageOf([&] { Load(qpath); });
    EXPECT_TRUE(message.startsWith("「" + name + "」")) << entry.Name << ": " << message.toStdString();
    const QString sentence = QString(message).replace(name, "*");
    const auto known = sentenceOf.emplace(entry.Verdict, sentence).first;
    EXPECT_EQ(known->second, sentence) << entry.Name << " said otherwise than others refused for " << entry.Verdict;
  }
  std::set<QString> distinct;
  for (const auto& [reason, sentence] : sentenceOf) distinct.insert(sentence);
  EXPECT_EQ(distinct.size(), sentenceOf.size()) << "two reasons share a sentence";
}

}  // namespace
