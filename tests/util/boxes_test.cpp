// boxes_test.cpp: the utility object's message boxes, title and centring.
#include <gtest/gtest.h>

#include <QApplication>
#include <tuple>

#include "classlib/application.h"
#include "classlib/modal.h"
#include "util/CL0010GF.h"
#include "support/message_box.h"

using namespace classlib;

namespace {

struct SeenBox {
  QPoint Position;
  QSize Size;
  QString Caption;
  QString Text;
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
    main_->setGeometry(300, 200, 400, 300);
  }
  void TearDown() override {
    Application->DestroyForms();
    EXPECT_EQ(ClearModalAnswers(), 0);
  }

  // Answers the next box and records how it stood.
  void Watch(SeenBox& seen) {
    SetNextModalAnswer([&seen](QWidget* window) {
      const testsupport::BoxShown shown = testsupport::ReadBox(window);
      seen = {window->frameGeometry().topLeft(), window->frameGeometry().size(),
              window->windowTitle(), shown.Text, shown.Type,
              QApplication::overrideCursor() == nullptr};
      return mrOk;
    });
  }

  TForm* main_ = nullptr;
};

TEST_F(BoxesTest, BoxesSitCentredOverTheMainWindowWithItsCaption) {
  SeenBox info;
  Watch(info);
  Utility.ShowInfo("情報");
  EXPECT_EQ(std::tuple(info.Text, info.Type, info.Caption),
            std::tuple(QStringLiteral("情報"), TMsgDlgType::mtInformation, QStringLiteral("Main caption")));
  EXPECT_EQ(info.Position, QPoint(300 + (400 - info.Size.width()) / 2,
                                  200 + (300 - info.Size.height()) / 2));

  // A box wider than the main window by an odd amount goes left by half the
  // difference, halved toward zero (-5 gives -2), and is not kept on screen.
  main_->setGeometry(-50, 900, info.Size.width() - 5, info.Size.height() - 7);
  SeenBox error;
  Watch(error);
  Utility.ShowError("情報");
  EXPECT_EQ(error.Type, TMsgDlgType::mtWarning);
  EXPECT_EQ(error.Position, QPoint(-50 - 2, 900 - 3));
}

// A box shows the arrow cursor, which stays after it; a box that fails to
// show never throws into its caller.
TEST_F(BoxesTest, TheCursorBecomesTheArrowAndFailuresStayInside) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SeenBox seen;
  Watch(seen);
  Utility.ShowInfo("x");
  EXPECT_TRUE(seen.ArrowCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  SetNextModalAnswer([](QWidget*) -> int { throw Exception("broken"); });
  EXPECT_NO_THROW(Utility.ShowError("x"));
  SetNextModalAnswer([](QWidget*) -> int { throw std::runtime_error("broken"); });
  EXPECT_NO_THROW(Utility.ShowInfo("x"));
}

TEST_F(BoxesTest, BeforeTheMainWindowExistsBoxesCarryTheTitle) {
  Application->DestroyForms();
  SeenBox seen;
  Watch(seen);
  Utility.ShowError("x");
  EXPECT_EQ(std::pair(seen.Caption, Utility.GetAppTitle()), std::pair(QStringLiteral("Tessra"), classlib::TString("Tessra")));
}

}  // namespace
