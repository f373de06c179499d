// bmploader_posix_test.cpp: BMP files into surfaces on POSIX: every file of
// the corpus (made by a Python script) with its verdict, pixels and
// message, and pipes refused without blocking.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <set>

#include "support/bmp_bytes.h"
#include "support/bmploader_support.h"
#include "support/image_compare.h"

namespace {

namespace fs = std::filesystem;
using testsupport::Load;
using testsupport::MessageOf;
using testsupport::TestDir;

// Each accepted file decodes to its reference pixels; each refused one gets
// a message naming it, the same sentence for every file refused for the same
// listed reason and a different one for each other reason.
TEST(BmpLoader, CorpusVerdictsPixelsAndMessages) {
  const fs::path dir = TestDir();
  const auto corpus = testsupport::MakeCorpus(dir);
  ASSERT_FALSE(corpus.empty()) << "tools/make_corpus.py made no corpus";
  std::map<std::string, std::string> sentenceOf;
  for (const auto& entry : corpus) {
    SCOPED_TRACE(entry.Name);
    const fs::path path = dir / entry.Name;
    platform::Surface s;
    const std::string message = MessageOf([&] { classlib::LoadBmpFile(path.string(), s); });
    if (entry.Verdict == "ok") {
      EXPECT_EQ(message, "");
      EXPECT_TRUE(testsupport::SameImage("corpus-" + entry.Name, s, testsupport::ReadPpm(path.string() + ".ppm")));
      continue;
    }
    const std::string quoted = "「" + entry.Name + "」";
    EXPECT_TRUE(message.starts_with(quoted)) << message;
    const std::string sentence = "「*」" + message.substr(std::min(quoted.size(), message.size()));
    EXPECT_EQ(sentenceOf.emplace(entry.Verdict, sentence).first->second, sentence);
  }
  std::set<std::string> distinct;
  for (const auto& [reason, sentence] : sentenceOf) distinct.insert(sentence);
  EXPECT_EQ(distinct.size(), sentenceOf.size()) << "two reasons share a sentence";
}

TEST(BmpLoader, PipesAreRefusedAtOnce) {
  const fs::path dir = TestDir();
  const fs::path fifo = dir / "pipe.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Run apart, so that a blocking open shows up as a failure and not a hang.
  auto pending = std::async(std::launch::async, [&] {
    platform::Surface s;
    return std::pair{MessageOf([&] { classlib::LoadBmpFile(fifo.string(), s, [](int, int) { return false; }); }),
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
  EXPECT_EQ(infoMessage, "「pipe.bmp」は通常のファイルではないので開けません。");
  EXPECT_EQ(loadMessage, infoMessage);
}

}  // namespace
