// tstring_qt_test.cpp: the class library's strings substitute "%n" as the
// sentences need, and as Qt's strings do.
#include <gtest/gtest.h>

#include <QString>

#include "classlib/tstring.h"

namespace {

using classlib::TString;

TEST(TString, ArgReplacesTheLowestMarkerEverywhereAsQtDoes) {
  const struct {
    const char* Text;
    const char* First;
    const char* Second;  // nullptr: one value
  } rows[] = {
      {"ピース %1 の場所", "13", nullptr},
      {"%1 枚のうち %2 枚", "24", "22"},
      {"%2 then %1, %1 again", "a", "b"},
      {"「%1」を開けません。番号は %2 です。", "a%2.bmp", "5"},  // a marker inside a value stays
      {"no marker", "x", nullptr},
      {"%10 and %9", "nine", "ten"},
      {"100% sure, %1", "yes", nullptr},
  };
  for (const auto& r : rows) {
    const TString ours = r.Second ? TString(r.Text).Arg(r.First, r.Second) : TString(r.Text).Arg(r.First);
    const QString qt = r.Second ? QString::fromUtf8(r.Text).arg(QString::fromUtf8(r.First), QString::fromUtf8(r.Second))
                                : QString::fromUtf8(r.Text).arg(QString::fromUtf8(r.First));
    EXPECT_EQ(ours.Utf8(), qt.toStdString()) << r.Text;
  }
  EXPECT_EQ(TString("%1 × %2").Arg(300).Arg(-2), "300 × -2");
}

}  // namespace
