// menus_qt_test.cpp: the menu keys as Qt's accessibility bridge delivers
// them with a screen reader listening.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

#include "classlib/qt/peers.h"
#include "forms/mainwindow_fixture.h"

using namespace classlib;

namespace formtest {
namespace {

class MenuKeysTest : public MainWindowTest {
 protected:
  QWindow* Window() const { return WidgetOf(*window_)->windowHandle(); }
};

// With a screen reader, the bridge posts each key late, after asking the
// reader; the Alt of Alt+F then reaches the menu its F already opened. That
// copy must not close the menu, while a later Alt (after another key) does.
TEST_F(MenuKeysTest, AltKeysReachTheMenus) {
  const auto post = [this](QEvent::Type type, Qt::Key key) {
    QCoreApplication::postEvent(Window(), new QKeyEvent(type, key, Qt::NoModifier));
    QCoreApplication::processEvents();
  };
  const struct {
    const char* What;
    bool Late;       // the F's release comes as a late copy, not at once
    bool FirstAlt;   // a late copy of an Alt press arrives first
    bool SecondAlt;  // ... or after the F's release
    bool MenuStays;
  } rows[] = {
      {"no screen reader", false, false, false, true},
      {"the chord's Alt, late", true, true, false, true},
      {"the player's Alt after the chord", true, false, true, false},
  };
  QMenu* file = ActionOf(*window_->MnuFile)->menu();
  for (const auto& r : rows) {
    QTest::keyPress(Window(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->isVisible(); }, 60000)) << r.What;
    if (r.FirstAlt) post(QEvent::KeyPress, Qt::Key_Alt);
    if (r.Late) post(QEvent::KeyRelease, Qt::Key_F);
    else QTest::keyRelease(Window(), Qt::Key_F, Qt::AltModifier);
    if (r.SecondAlt) post(QEvent::KeyPress, Qt::Key_Alt);
    EXPECT_EQ(file->isVisible(), r.MenuStays) << r.What;
    if (!file->isVisible()) continue;
    int opened = 0;
    const auto asked = QObject::connect(ActionOf(*window_->MnuOpen), &QAction::triggered, [&] { ++opened; });
    SetNextModalAnswer(std::nullopt);
    QTest::keyClick(file, Qt::Key_O);
    QObject::disconnect(asked);
    EXPECT_EQ(opened, 1) << r.What;
    EXPECT_TRUE(QTest::qWaitFor([file] { return !file->isVisible(); }, 60000)) << r.What;
  }
}

}  // namespace
}  // namespace formtest
