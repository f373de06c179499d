// fontfamily_qt_test.cpp: the first installed family of a list is chosen alone.
#include <gtest/gtest.h>

#include <QFontDatabase>

#include "classlib/qt/fontfamily.h"

namespace {

TEST(PickInstalledFamily, TakesTheFirstInstalledOrKeepsTheList) {
  const QString installed = QFontDatabase::families().value(0);
  ASSERT_FALSE(installed.isEmpty()) << "no font installed";
  const QString missing = QStringLiteral("No Such Family 7f3a");
  EXPECT_EQ(classlib::PickInstalledFamily({missing, installed, missing}), QStringList{installed});
  EXPECT_EQ(classlib::PickInstalledFamily({missing, QStringLiteral("Other Missing")}),
            QStringList({missing, QStringLiteral("Other Missing")}));
}

}  // namespace
