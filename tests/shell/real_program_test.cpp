// real_program_test.cpp: the real program as players start and end it: a
// closed window ends it with exit code 0, as does a failure to make its
// bitmaps at start; twenty copies started at once leave one running; and
// without a usable lock folder it runs unguarded.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "childprocess.h"
#include "shell/instance_guard.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using namespace shelltest;
using std::chrono::milliseconds;
using std::chrono::seconds;

class RealProgramTest : public LockFolderTest {
 protected:
  // The program, headless, with `env` added; its lock in dir_ by default.
  std::unique_ptr<ChildProcess> Start(std::vector<std::string> env = {}) {
    env.push_back("QT_QPA_PLATFORM=offscreen");
    if (std::none_of(env.begin(), env.end(), [](const std::string& e) {
          return e.rfind("XDG_RUNTIME_DIR=", 0) == 0;
        })) {
      env.push_back("XDG_RUNTIME_DIR=" + dir_);
    }
    return std::make_unique<ChildProcess>(std::vector<std::string>{TESSRA_EXE}, env);
  }

  // The program with its windows closed shortly after they come up, each
  // recorded in closedLog_; `preload` is loaded along.
  std::unique_ptr<ChildProcess> StartAndClose(std::vector<std::string> env = {},
                                              const std::string& preload = {}) {
    // A sanitizer runtime wants to be loaded first; the preloaded libraries
    // come before it, which is harmless here.
    const char* asan = std::getenv("ASAN_OPTIONS");
    std::string options = "ASAN_OPTIONS=verify_asan_link_order=0";
    if (asan != nullptr && *asan != '\0') options += std::string(":") + asan;
    env.push_back(options);
    env.push_back("LD_PRELOAD=" TESSRA_CLOSE_AT_START + (preload.empty() ? "" : " " + preload));
    env.push_back("TESSRA_CLOSED_WINDOWS=" + ClosedLog());
    return Start(env);
  }

  std::string ClosedLog() const { return dir_ + "/closed-windows.txt"; }
  std::string ClosedWindows() const {
    std::ifstream log(ClosedLog());
    return std::string(std::istreambuf_iterator<char>(log), {});
  }

};

TEST_F(RealProgramTest, ClosingTheWindowEndsTheProgramWithCodeZeroAndFreesTheLock) {
  auto program = StartAndClose();
  ASSERT_NE(program->Pid(), -1);
  EXPECT_TRUE(ExitedWith(program->Wait(kStartTimeout), 0));
  EXPECT_EQ(ClosedWindows().rfind("Tessra", 0), 0u) << "the main window was shown and closed";
  std::ifstream lock(lockPath_);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lock), {}), "") << "the holder is still named";
  auto next = Start();
  EXPECT_TRUE(WaitForHolder(lockPath_, next->Pid(), kStartTimeout)) << "a new copy takes the lock";
}

// The work bitmap is as large as the screen; when its memory cannot be had
// the program says so and ends, still with exit code 0.
TEST_F(RealProgramTest, NoMemoryForTheBitmapsAtStartEndsTheProgramWithCodeZero) {
  const QSize screen = QGuiApplication::primaryScreen()->size();
  const std::size_t bytes = std::size_t(screen.width()) * std::size_t(screen.height()) * 4;
  auto program = StartAndClose({"TESSRA_FAIL_ALLOCATION_BYTES=" + std::to_string(bytes)},
                               TESSRA_FAIL_ALLOCATION);
  EXPECT_TRUE(ExitedWith(program->Wait(kStartTimeout), 0));
  const QString box = QStringLiteral("Tessra | ビットマップ (%1 × %2) を作成するためのメモリが足りません。\n")
                          .arg(screen.width())
                          .arg(screen.height());
  EXPECT_EQ(ClosedWindows(), box.toStdString()) << "one box, and no main window shown";
}

TEST_F(RealProgramTest, TwentyCopiesStartedAtOnceLeaveOneRunning) {
  constexpr int kCopies = 20;
  std::vector<std::unique_ptr<ChildProcess>> copies;
  for (int i = 0; i < kCopies; ++i) copies.push_back(Start());

  // Only the outcome is asserted: how fast the losers end varies by seconds
  // on a busy machine under the sanitizers.
  ASSERT_EQ(WaitTillOneRuns(copies, kStartTimeout), 1);
  for (auto& copy : copies) {
    if (copy->Running()) {
      EXPECT_TRUE(WaitForHolder(lockPath_, copy->Pid(), kStartTimeout));
      EXPECT_FALSE(copy->Wait(milliseconds(300))) << "the one copy keeps running";
    } else {
      EXPECT_TRUE(ExitedWith(copy->Wait(milliseconds(0)), 0));
    }
  }
}

// No lock can be made: the runtime folder is open to everyone and the temp
// folder's place is taken by a file. The program runs without its guard.
TEST_F(RealProgramTest, WithoutAUsableLockFolderCopiesRunUnguarded) {
  const fs::path open = fs::path(dir_) / "open";
  fs::create_directory(open);
  ::chmod(open.c_str(), 0777);
  const fs::path notAFolder = fs::path(dir_) / "file";
  std::ofstream(notAFolder) << "not a folder";
  const std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + open.string(),
                                        "TMPDIR=" + notAFolder.string()};
  auto first = Start(env);
  auto second = Start(env);
  EXPECT_FALSE(first->Wait(seconds(1))) << "the first copy runs";
  EXPECT_FALSE(second->Wait(milliseconds(0))) << "so does the second";
  EXPECT_TRUE(fs::is_empty(open));
}

}  // namespace
}  // namespace shell
