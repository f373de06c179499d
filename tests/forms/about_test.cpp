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
  QString Caption;
  QSize Client;
  QImage Logo;
  QString Copyright;
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
              box->LblCopyright->Caption()};
      return mrOk;
    });
    window_->MnuAbout->Click();
    return seen;
  }
};

TEST_F(AboutTest, ShowsAFreshCentredBoxEachTime) {
  const BoxSeen first = OpenAbout();
  const BoxSeen second = OpenAbout();
  EXPECT_EQ(first.Caption, QStringLiteral("Tessra Ver1.0"));
  EXPECT_EQ(first.Client, QSize(257, 178));
  EXPECT_EQ(first.Frame, second.Frame);
  EXPECT_EQ(first.Copyright, second.Copyright);
  EXPECT_EQ(first.Logo, window_->ImgLogo->Picture());
  EXPECT_EQ(first.Frame.left(),
            window_->Left() + (window_->Width() - first.Frame.width()) / 2);
  EXPECT_EQ(first.Frame.top(), window_->Top() + (window_->Height() - first.Frame.height()) / 2);
  // Released after each opening.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_->findChildren<TFrmFR0000AB*>().isEmpty());
}

TEST_F(AboutTest, CentresOverASmallerMainWindowTowardsZero) {
  window_->resize(100, 101);
  window_->move(-300, 50);
  const BoxSeen seen = OpenAbout();
  // A box wider than its owner goes up and left by half the difference,
  // halved toward zero.
  EXPECT_EQ(seen.Frame.left(), window_->Left() + (window_->Width() - seen.Frame.width()) / 2);
  EXPECT_LT(seen.Frame.left(), window_->Left());
  EXPECT_EQ(seen.Frame.top(), window_->Top() + (window_->Height() - seen.Frame.height()) / 2);
}

TEST_F(AboutTest, EnterClosesTheBoxAndEscapeDoesNot) {
  bool escapeKeptItOpen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<TFrmFR0000AB*>(QApplication::activeModalWidget());
    if (box == nullptr) box = window_->findChild<TFrmFR0000AB*>();
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_Escape);
    escapeKeptItOpen = box->isVisible();
    QTest::keyClick(box, Qt::Key_Return);
  });
  window_->MnuAbout->Click();
  EXPECT_TRUE(escapeKeptItOpen);
}

TEST_F(MainWindowTest, MinimisingMinimisesEveryWindowAndRestoreBringsThemBack) {
  TForm other(window_);
  other.show();
  window_->setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(window_->isMinimized());
  EXPECT_TRUE(other.isMinimized());
  // Restoring any one of them brings the whole program back.
  other.setWindowState(Qt::WindowNoState);
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_FALSE(other.isMinimized());
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
  EXPECT_EQ(minimize.Result, 1);
  EXPECT_TRUE(window_->isMinimized());
  TMessage restore{WM_SYSCOMMAND, SC_RESTORE, 0, 0};
  window_->AppMessage(restore, handled);
  EXPECT_TRUE(handled);
  EXPECT_FALSE(window_->isMinimized());
}

}  // namespace
}  // namespace formtest
