// faults_test.cpp: the main window when bitmaps cannot be had at any
// allocation of an open, and when the chosen picture is taken away
// or locked between the open dialog and the load.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "classlib/msgdialog.h"
#include "forms/mainwindow_fixture.h"
#include "soak/grid_player.h"
#include "support/fail_allocation.h"

using namespace classlib;

namespace soak {
namespace {

// Root reads any file whatever its mode; this takes the two capabilities
// behind that out of the calling thread's effective set for one scope.
class WithoutReadOverride {
 public:
  WithoutReadOverride() {
    if (geteuid() != 0) {
      active_ = true;
      return;
    }
    if (syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    dropped_ = syscall(SYS_capset, &header_, lowered) == 0;
    active_ = dropped_;
  }
  ~WithoutReadOverride() {
    if (dropped_) syscall(SYS_capset, &header_, saved_);
  }
  WithoutReadOverride(const WithoutReadOverride&) = delete;
  WithoutReadOverride& operator=(const WithoutReadOverride&) = delete;
  bool Active() const { return active_; }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool dropped_ = false;
  bool active_ = false;
};

class FaultsTest : public formtest::MainWindowTest {
 protected:
  // The window still takes a picture, deals and slides pieces.
  void ExpectRefusedButUsable() {
    ExpectRefusedAndUsable();
    GridPlayer player(window_, 3);
    EXPECT_EQ(player.Play(20), "");
  }
};

// Every allocation an open makes is failed in turn: each failure ends in one
// warning with the allocation's own text and a window that still works.
TEST_F(FaultsTest, AnOpenSurvivesABitmapFailureAtEachAllocation) {
  const std::string picture = formtest::WriteBmp(dir_, "p.bmp", formtest::PatternPicture(200, 150));
  int failAt = 1;
  int pictureFailures = 0;
  for (;; ++failAt) {
    SCOPED_TRACE(testing::Message() << "allocation " << failAt << " fails");
    int calls = 0;
    {
      testsupport::ArrayAllocationFailures failing(
          [&calls, failAt](std::size_t) { return ++calls == failAt; });
      OpenRecorded(picture);
    }
    if (calls < failAt) {
      EXPECT_TRUE(boxTexts_.empty()) << "a box came up on an open without faults";
      EXPECT_TRUE(View().PictureReady());
      break;
    }
    ASSERT_EQ(boxTexts_.size(), 1u);
    // The picture's own memory is told as the file's; the other bitmaps by size.
    if (boxTexts_[0].starts_with("「p.bmp」")) {
      EXPECT_EQ(boxTexts_[0], "「p.bmp」を読み込むためのメモリーが足りません。");
      ++pictureFailures;
    } else {
      EXPECT_TRUE(boxTexts_[0].starts_with("ビットマップ (")) << boxTexts_[0];
      EXPECT_TRUE(boxTexts_[0].ends_with("メモリが足りません。"));
    }
    EXPECT_EQ(boxTypes_[0], TMsgDlgType::mtWarning);
    ExpectRefusedButUsable();
  }
  // The work bitmap's two sides, the decoder's read buffer and the picture's
  // pixels (both told as the file's), and the preview's two sides.
  EXPECT_GE(failAt, 7);
  EXPECT_EQ(pictureFailures, 2);
}

// What can happen to the chosen file before the window reads it, and what
// the player is told.
struct Vanishing {
  const char* Name;
  std::function<void(const std::string& path)> Act;
  const char* Message;  // %1: the file's name
};

TEST_F(FaultsTest, APictureChangedBetweenTheDialogAndTheLoadIsRefusedCleanly) {
  const Vanishing cases[] = {
      {"deleted", [](const std::string& p) { std::filesystem::remove(p); },
       "「%1」を開けません。ファイルが見つかりません。"},
      {"locked", [](const std::string& p) { ::chmod(p.c_str(), 0); },
       "「%1」を開けません。読み取りの権限がありません。"},
      {"emptied", [](const std::string& p) { std::filesystem::resize_file(p, 0); },
       "「%1」は空のファイルです。"},
      {"cut", [](const std::string& p) { std::filesystem::resize_file(p, 100); },
       "「%1」のピクセルデータが途中で切れています。"},
      {"folder", [](const std::string& p) { std::filesystem::remove(p); ::mkdir(p.c_str(), 0700); },
       "「%1」はフォルダーなので開けません。"},
      {"pipe", [](const std::string& p) { std::filesystem::remove(p); ::mkfifo(p.c_str(), 0600); },
       "「%1」は通常のファイルではないので開けません。"},
  };
  for (const Vanishing& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string name = std::string(c.Name) + ".bmp";
    const std::string path = formtest::WriteBmp(dir_, name, formtest::PatternPicture(150, 150));
    // The first pixels the load asks for come after the dialog has answered
    // and before the file is opened.
    bool acted = false;
    {
      testsupport::ArrayAllocationFailures actFirst([&](std::size_t) {
        if (!acted) c.Act(path);
        acted = true;
        return false;
      });
      WithoutReadOverride noOverride;
      if (!noOverride.Active() && std::string(c.Name) == "locked") {
        ADD_FAILURE() << "cannot take away root's read override here";
        continue;
      }
      OpenRecorded(path);
    }
    EXPECT_TRUE(acted);
    ASSERT_EQ(boxTexts_.size(), 1u);
    EXPECT_EQ(boxTexts_[0], classlib::TString(c.Message).Arg(classlib::TString(name)).Utf8());
    EXPECT_EQ(boxTypes_[0], TMsgDlgType::mtWarning);
    ExpectRefusedButUsable();
  }
}

}  // namespace
}  // namespace soak
