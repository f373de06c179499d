// bmploader_test.cpp: BMP files into surfaces: every corpus file's verdict,
// pixels and message, the refusals players read, and the shipped samples.
#include "classlib/bmploader.h"
#include "classlib/qt/qstring.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <optional>
#include <set>

#include "classlib/exception.h"
#include "classlib/qt/qimage_bridge.h"
#include "support/bmp_bytes.h"
#include "support/image_compare.h"

namespace {

namespace fs = std::filesystem;
using testsupport::BmpSpec;
using testsupport::Bytes;

// The message of the Exception the call throws, or "" when it returns.
template <typename F>
QString MessageOf(F call) {
  try {
    call();
  } catch (const classlib::Exception& e) {
    return classlib::ToQString(e.Message());
  }
  return {};
}

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

platform::Surface Load(const fs::path& path) {
  platform::Surface s;
  classlib::LoadBmpFile(classlib::FromQString(Q(path)), s);
  return s;
}

// A fresh folder of the running test's own: tests run as parallel processes.
fs::path TestDir() {
  const fs::path dir = fs::path(TESSRA_TEST_OUTPUT_DIR) / "bmploader" /
                       ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Each accepted file decodes to its reference pixels; each refused one gets
// a message naming it, the same sentence for every file refused for the same
// listed reason and a different one for each other reason.
TEST(BmpLoader, CorpusVerdictsPixelsAndMessages) {
  const fs::path dir = TestDir();
  const auto corpus = testsupport::MakeCorpus(dir);
  ASSERT_FALSE(corpus.empty()) << "tools/make_corpus.py made no corpus";
  std::map<std::string, QString> sentenceOf;
  for (const auto& entry : corpus) {
    SCOPED_TRACE(entry.Name);
    const fs::path path = dir / entry.Name;
    platform::Surface s;
    const QString message = MessageOf([&] { classlib::LoadBmpFile(classlib::FromQString(Q(path)), s); });
    if (entry.Verdict == "ok") {
      EXPECT_EQ(message, QString());
      const QImage expected(Q(path.string() + ".ppm"));
      EXPECT_TRUE(testsupport::SameImage("corpus-" + entry.Name, s,
                                         classlib::SurfaceFromQImage(expected.convertToFormat(QImage::Format_RGB32))));
      continue;
    }
    const QString name = QString::fromStdString(entry.Name);
    EXPECT_TRUE(message.startsWith("「" + name + "」")) << message.toStdString();
    const QString sentence = QString(message).replace(name, "*");
    EXPECT_EQ(sentenceOf.emplace(entry.Verdict, sentence).first->second, sentence);
  }
  std::set<QString> distinct;
  for (const auto& [reason, sentence] : sentenceOf) distinct.insert(sentence);
  EXPECT_EQ(distinct.size(), sentenceOf.size()) << "two reasons share a sentence";
}

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
    const QString message = QString::fromStdString(std::string("「") + r.Name + "」" + r.Sentence);
    platform::Surface s(3, 2, platform::Rgb(1, 2, 3));
    const platform::Surface before = s;
    bool asked = false;
    EXPECT_EQ(MessageOf([&] { classlib::LoadBmpFile(classlib::FromQString(Q(path)), s, [&](int, int) { return asked = true; }); }),
              message);
    EXPECT_EQ(s, before) << r.Name;
    EXPECT_EQ(asked, !r.HeaderFault) << r.Name;
  }
}

TEST(BmpLoader, FoldersAndPipesAreRefusedAtOnce) {
  const fs::path dir = TestDir();
  EXPECT_EQ(MessageOf([&] { Load(dir); }),
            QStringLiteral("「%1」はフォルダーなので開けません。").arg(dir.filename().c_str()));
  const fs::path fifo = dir / "pipe.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Run apart, so that a blocking open shows up as a failure and not a hang.
  auto pending = std::async(std::launch::async, [&] {
    platform::Surface s;
    return std::pair{MessageOf([&] { classlib::LoadBmpFile(classlib::FromQString(Q(fifo)), s, [](int, int) { return false; }); }),
                     MessageOf([&] { Load(fifo); })};
  });
  if (pending.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
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
