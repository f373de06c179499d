// about_test.cpp: the About box and minimising the whole program.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "classlib/modal.h"
#include "forms/FR0000AB.h"
#include "forms/mainwindow_fixture.h"

using namespace classlib;

namespace formtest {
namespace {

struct BoxSeen {
  QRect Frame;
  classlib::TString Caption;
  QSize Client;
  platform::Surface Logo;
  QStringList PictureNames;  // what a screen reader calls the pictures
};

class AboutTest : public MainWindowTest {
 protected:
  // Opens the About box with the test answering it, and records what it saw.
  BoxSeen OpenAbout() {
    BoxSeen seen;
    SetNextModalAnswer([&seen](QWidget* window) {
      auto* box = qobject_cast<TFrmFR0000AB*>(window);
      EXPECT_NE(box, nullptr);
      if (box == nullptr) return mrCancel;
      seen = {QRect(box->Left(), box->Top(), box->Width(), box->Height()), box->Caption(),
              QSize(box->ClientWidth(), box->ClientHeight()), box->ImgProgramIcon->Picture(),
              {box->ImgBack->accessibleName(), box->ImgProgramIcon->accessibleName(),
               box->Image1->accessibleName()}};
      return mrOk;
    });
    window_->MnuAbout->Action()->trigger();
    return seen;
  }
};

// Centred over the main window, halved toward zero, even where a box wider
// than its owner goes up and left of it.
TEST_F(AboutTest, ShowsAFreshCentredBoxEachTime) {
  auto expectCentred = [this](const QRect& frame) {
    EXPECT_EQ(frame.left(), window_->Left() + (window_->Width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), window_->Top() + (window_->Height() - frame.height()) / 2);
  };
  const BoxSeen first = OpenAbout();
  EXPECT_EQ(std::pair(first.Caption, first.Client), std::pair(classlib::TString("Tessra Ver1.0"), QSize(257, 178)));
  EXPECT_EQ(first.Logo, window_->ImgLogo->Picture());
  EXPECT_EQ(first.PictureNames, QStringList({"枠付きの背景", "Tessra", "製作者のエンブレム"}));
  expectCentred(first.Frame);
  EXPECT_EQ(OpenAbout().Frame, first.Frame);
  // Released after each opening.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_->findChildren<TFrmFR0000AB*>().isEmpty());

  window_->resize(100, 101);
  window_->move(-300, 50);
  const QRect small = OpenAbout().Frame;
  expectCentred(small);
  EXPECT_LT(small.left(), window_->Left());
}

TEST_F(AboutTest, EnterClosesTheBoxAndEscapeDoesNot) {
  SetUnansweredModal({});  // the box's own loop, keys and all
  bool escapeKeptItOpen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<TFrmFR0000AB*>(QApplication::activeModalWidget());
    if (box == nullptr) box = window_->findChild<TFrmFR0000AB*>();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    escapeKeptItOpen = box->isVisible();
    QTest::keyClick(box, Qt::Key_Return);
  });
  window_->MnuAbout->Action()->trigger();
  EXPECT_TRUE(escapeKeptItOpen);
}

TEST_F(MainWindowTest, MinimisingMinimisesEveryWindowAndRestoreBringsThemBack) {
  TForm other(window_);
  other.show();
  window_->setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(std::pair(window_->isMinimized(), other.isMinimized()), std::pair(true, true));
  // Restoring any one of them brings the whole program back.
  other.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(std::pair(window_->isMinimized(), other.isMinimized()), std::pair(false, false));
}

TEST_F(MainWindowTest, SystemCommandsAreMatchedExactly) {
  TMessage near{WM_SYSCOMMAND, SC_MINIMIZE + 1, 0, 0};
  window_->WMSysCommand(near);
  EXPECT_FALSE(window_->isMinimized());
  bool handled = false;
  window_->AppMessage(near, handled);
  EXPECT_FALSE(handled);
  TMessage minimize{WM_SYSCOMMAND, SC_MINIMIZE, 0, 0};
  window_->WMSysCommand(minimize);
  EXPECT_EQ(std::pair(minimize.Result, window_->isMinimized()), std::pair(std::int32_t{1}, true));
  TMessage restore{WM_SYSCOMMAND, SC_RESTORE, 0, 0};
  window_->AppMessage(restore, handled);
  EXPECT_TRUE(handled);
  EXPECT_FALSE(window_->isMinimized());
}

}  // namespace
}  // namespace formtest
