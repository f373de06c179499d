// about_test.cpp: the About box and minimising the whole program.
#include <vector>

#include "classlib/modal.h"
#include "forms/FR0000AB.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"

using namespace classlib;

namespace formtest {
namespace {

struct BoxSeen {
  TRect Frame;
  TString Caption;
  std::pair<int, int> Client;
  platform::Surface Logo;
  std::vector<TString> PictureNames;  // what a screen reader calls the pictures
};

class AboutTest : public MainWindowTest {
 protected:
  // Opens the About box with the test answering it, and records what it saw.
  BoxSeen OpenAbout() {
    BoxSeen seen;
    SetNextModalAnswer([&seen](TForm* window) {
      auto* box = dynamic_cast<TFrmFR0000AB*>(window);
      EXPECT_NE(box, nullptr);
      if (box == nullptr) return mrCancel;
      seen = {{box->Left(), box->Top(), box->Left() + box->Width(), box->Top() + box->Height()},
              box->Caption(),
              {box->ClientWidth(), box->ClientHeight()},
              box->ImgProgramIcon->Picture(),
              {testdriver::AccessibleName(box->ImgBack), testdriver::AccessibleName(box->ImgProgramIcon),
               testdriver::AccessibleName(box->Image1)}};
      return mrOk;
    });
    testdriver::Choose(window_->MnuAbout);
    return seen;
  }
};

// Centred over the main window, halved toward zero, even where a box wider
// than its owner goes up and left of it.
TEST_F(AboutTest, ShowsAFreshCentredBoxEachTime) {
  auto expectCentred = [this](const TRect& frame) {
    EXPECT_EQ(frame.Left, window_->Left() + (window_->Width() - frame.Width()) / 2);
    EXPECT_EQ(frame.Top, window_->Top() + (window_->Height() - frame.Height()) / 2);
  };
  const BoxSeen first = OpenAbout();
  EXPECT_EQ(std::pair(first.Caption, first.Client), std::pair(TString("Tessra Ver1.0"), std::pair(257, 178)));
  EXPECT_EQ(first.Logo, window_->ImgLogo->Picture());
  EXPECT_EQ(first.PictureNames, (std::vector<TString>{"枠付きの背景", "Tessra", "製作者のエンブレム"}));
  expectCentred(first.Frame);
  EXPECT_EQ(OpenAbout().Frame, first.Frame);
  // Released after each opening.
  testdriver::ProcessEvents();
  EXPECT_EQ(FrmFR0000AB, nullptr);

  window_->SetClientSize(100, 80);
  window_->SetLeft(-300);
  window_->SetTop(50);
  const TRect narrow = OpenAbout().Frame;
  expectCentred(narrow);
  EXPECT_LT(narrow.Left, window_->Left());
}

TEST_F(AboutTest, EnterClosesTheBoxAndEscapeDoesNot) {
  SetUnansweredModal({});  // the box's own loop, keys and all
  bool escapeKeptItOpen = false;
  testdriver::Later([&] {
    TFrmFR0000AB* box = FrmFR0000AB;
    ASSERT_NE(box, nullptr);
    testdriver::PressKey(box, VK_ESCAPE);
    escapeKeptItOpen = box->Visible();
    testdriver::PressKey(box, VK_RETURN);
  });
  testdriver::Choose(window_->MnuAbout);
  EXPECT_TRUE(escapeKeptItOpen);
}

TEST_F(MainWindowTest, MinimisingMinimisesEveryWindowAndRestoreBringsThemBack) {
  TForm other(window_);
  other.Show();
  testdriver::Minimize(window_);
  EXPECT_EQ(std::pair(testdriver::IsMinimized(window_), testdriver::IsMinimized(&other)), std::pair(true, true));
  // Restoring any one of them brings the whole program back.
  testdriver::Restore(&other);
  EXPECT_EQ(std::pair(testdriver::IsMinimized(window_), testdriver::IsMinimized(&other)), std::pair(false, false));
}

TEST_F(MainWindowTest, SystemCommandsAreMatchedExactly) {
  TMessage nearby{WM_SYSCOMMAND, SC_MINIMIZE + 1, 0, 0};
  window_->WMSysCommand(nearby);
  EXPECT_FALSE(testdriver::IsMinimized(window_));
  bool handled = false;
  window_->AppMessage(nearby, handled);
  EXPECT_FALSE(handled);
  TMessage minimize{WM_SYSCOMMAND, SC_MINIMIZE, 0, 0};
  window_->WMSysCommand(minimize);
  EXPECT_EQ(std::pair(minimize.Result, testdriver::IsMinimized(window_)), std::pair(std::int32_t{1}, true));
  TMessage restore{WM_SYSCOMMAND, SC_RESTORE, 0, 0};
  window_->AppMessage(restore, handled);
  EXPECT_TRUE(handled);
  EXPECT_FALSE(testdriver::IsMinimized(window_));
}

}  // namespace
}  // namespace formtest
