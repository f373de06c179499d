// boxes_test.cpp: the utility object's message boxes, title and centring.
#include <gtest/gtest.h>

#include <tuple>

#include "classlib/application.h"
#include "classlib/modal.h"
#include "classlib/screen.h"
#include "util/CL0010GF.h"
#include "support/message_box.h"

using namespace classlib;

namespace {

struct SeenBox {
  TPoint Position;
  std::pair<int, int> Size;
  TString Caption;
  TString Text;
  TMsgDlgType Type = TMsgDlgType::mtError;
  bool ArrowCursor = false;
};

class BoxesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearModalAnswers();
    Application->SetTitle("Tessra");
    Application->CreateForm(main_);
    main_->SetCaption("Main caption");
    Place(300, 200, 400, 300);
  }
  void Place(int left, int top, int width, int height) {
    main_->SetLeft(left);
    main_->SetTop(top);
    main_->SetClientSize(width, height);
  }
  void TearDown() override {
    Application->DestroyForms();
    EXPECT_EQ(ClearModalAnswers(), 0);
  }

  // Answers the next box and records how it stood.
  void Watch(SeenBox& seen) {
    SetNextModalAnswer([&seen](TForm* window) {
      const testsupport::BoxShown shown = testsupport::ReadBox(window);
      seen = {{window->Left(), window->Top()}, {window->Width(), window->Height()},
              window->Caption(), shown.Text, shown.Type,
              Screen->Cursor() == TCursor::crDefault};
      return mrOk;
    });
  }

  TForm* main_ = nullptr;
};

TEST_F(BoxesTest, BoxesSitCentredOverTheMainWindowWithItsCaption) {
  SeenBox info;
  Watch(info);
  Utility.ShowInfo("この絵は大きすぎて読み込めません");
  EXPECT_EQ(std::tuple(info.Text, info.Type, info.Caption),
            std::tuple(TString("この絵は大きすぎて読み込めません"), TMsgDlgType::mtInformation, TString("Main caption")));
  EXPECT_EQ(info.Position, TPoint(main_->Left() + (main_->Width() - info.Size.first) / 2,
                                  main_->Top() + (main_->Height() - info.Size.second) / 2));

  // A box wider than the main window by an odd amount goes left by half the
  // difference, halved toward zero (-5 gives -2), and is not kept on screen.
  const int frameWidth = main_->Width() - main_->ClientWidth(), frameHeight = main_->Height() - main_->ClientHeight();
  Place(-50, 900, info.Size.first - 5 - frameWidth, info.Size.second - 7 - frameHeight);
  SeenBox error;
  Watch(error);
  Utility.ShowError("この絵は大きすぎて読み込めません");
  EXPECT_EQ(error.Type, TMsgDlgType::mtWarning);
  EXPECT_EQ(error.Position, TPoint(-50 - 2, 900 - 3));
}

// A box shows the arrow cursor, which stays after it; a box that fails to
// show never throws into its caller.
TEST_F(BoxesTest, TheCursorBecomesTheArrowAndFailuresStayInside) {
  Screen->SetCursor(TCursor::crHourGlass);
  SeenBox seen;
  Watch(seen);
  Utility.ShowInfo("x");
  EXPECT_TRUE(seen.ArrowCursor);
  EXPECT_EQ(Screen->Cursor(), TCursor::crDefault);
  SetNextModalAnswer([](TForm*) -> int { throw Exception("broken"); });
  EXPECT_NO_THROW(Utility.ShowError("x"));
  SetNextModalAnswer([](TForm*) -> int { throw std::runtime_error("broken"); });
  EXPECT_NO_THROW(Utility.ShowInfo("x"));
}

TEST_F(BoxesTest, BeforeTheMainWindowExistsBoxesCarryTheTitle) {
  Application->DestroyForms();
  SeenBox seen;
  Watch(seen);
  Utility.ShowError("x");
  EXPECT_EQ(std::pair(seen.Caption, Utility.GetAppTitle()), std::pair(TString("Tessra"), TString("Tessra")));
}

}  // namespace
