// controls_test.cpp: speed buttons, panel edges, the exception report and
// modal forms.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <tuple>
#include <vector>

#include "classlib/qt/qimage_bridge.h"
#include "classlib/qt/qstring.h"
#include "classlib/application.h"
#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "support/message_box.h"

using namespace classlib;

namespace {

// A 16 x 16 glyph: green surround (the bottom-left pixel), a black square
// outline with a yellow inside.
QImage Glyph() {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(qRgb(0, 128, 0));
  for (int y = 4; y < 12; ++y) {
    for (int x = 4; x < 12; ++x) {
      const bool edge = x == 4 || x == 11 || y == 4 || y == 11;
      image.setPixel(x, y, edge ? qRgb(0, 0, 0) : qRgb(255, 255, 0));
    }
  }
  return image;
}

// The glyph's pixel rules are the raster layer's; here the button paints the
// glyph centred, its surround left out, and the greyed form when disabled,
// and a click raises OnClick only while enabled.
TEST(SpeedButton, PaintsItsGlyphByStateAndClicksWhileEnabled) {
  TSpeedButton button(nullptr);
  button.SetGlyph(classlib::SurfaceFromQImage(Glyph()));
  button.resize(33, 33);
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
  int clicks = 0;
  button.OnClick = [&](TObject* sender) { clicks += sender == &button; };
  const QImage normal = button.grab().toImage();
  EXPECT_EQ(std::pair(normal.pixel(8 + 4, 8 + 4), normal.pixel(8 + 6, 8 + 6)), std::pair(qRgb(0, 0, 0), qRgb(255, 255, 0)));
  EXPECT_NE(normal.pixel(8 + 2, 8 + 2), qRgb(0, 128, 0));
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);

  button.setEnabled(false);
  const QImage greyed = button.grab().toImage();
  EXPECT_EQ(std::pair(greyed.pixel(8 + 4, 8 + 4), greyed.pixel(8 + 12, 8 + 12)),
            std::pair(qRgb(128, 128, 128), qRgb(255, 255, 255)));
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

// The 3-D edges: a button's 2-pixel rim raised at rest and sunken while held,
// and a panel's two 1-pixel bevels; the bottom and right lines take the corners.
TEST(SpeedButton, RimAndPanelBevelsShadeTheirEdges) {
  const auto colours = [](QWidget& widget, const std::vector<QPoint>& points) {
    const QImage shot = widget.grab().toImage();
    std::vector<QRgb> found;
    for (const QPoint& p : points) found.push_back(shot.pixel(p));
    return found;
  };
  constexpr QRgb white = 0xFFFFFFFF, grey = 0xFF808080, dark = 0xFF404040;
  TSpeedButton button(nullptr);
  button.resize(33, 33);
  const QRgb face = button.palette().color(QPalette::Button).rgb();
  EXPECT_EQ(colours(button, {{0, 0}, {32, 0}, {1, 1}, {31, 1}, {31, 31}}),
            std::vector<QRgb>({white, dark, face, grey, grey}));
  QTest::mousePress(&button, Qt::LeftButton);
  EXPECT_EQ(colours(button, {{0, 0}, {0, 32}, {1, 1}, {1, 31}, {31, 31}}),
            std::vector<QRgb>({dark, white, grey, face, face}));
  TPanel panel(nullptr);
  panel.resize(20, 10);
  panel.SetColor(clSilver);
  panel.SetBevelOuter(TBevelCut::bvLowered);
  panel.SetBevelInner(TBevelCut::bvRaised);
  EXPECT_EQ(colours(panel, {{0, 0}, {19, 0}, {1, 1}, {18, 1}, {2, 2}}),
            std::vector<QRgb>({grey, white, white, grey, clSilver}));
}

TEST(Application, TheExceptionReportAddsAFullStopUnderTheTitle) {
  Application->SetTitle("Tessra");
  std::tuple<QString, QString, TMsgDlgType> shown;  // text, caption, type
  SetNextModalAnswer([&](QWidget* window) {
    const testsupport::BoxShown box = testsupport::ReadBox(window);
    shown = {box.Text, window->windowTitle(), box.Type};
    return mrOk;
  });
  Application->ShowException(Exception("読めません"));
  EXPECT_EQ(shown, std::tuple(QStringLiteral("読めません."), QStringLiteral("Tessra"), TMsgDlgType::mtError));
}

// Qt's own file dialog takes its texts from Qt's Japanese translation; with
// the file missing it keeps its English ones. One text of each shows which.
TEST(Application, TheToolkitsDialogsSpeakJapaneseFromQtsTranslation) {
  const auto openText = [] {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text();
  };
  QTemporaryDir noTranslations;
  EXPECT_FALSE(Application->SetToolkitLanguage("ja", classlib::FromQString(noTranslations.path())));
  EXPECT_EQ(openText(), QStringLiteral("&Open"));
  ASSERT_TRUE(Application->SetToolkitLanguage(
      "ja", classlib::FromQString(QLibraryInfo::path(QLibraryInfo::TranslationsPath))))
      << "Qt's translations (Debian package qt6-translations-l10n) are missing";
  EXPECT_EQ(openText(), QStringLiteral("開く(&O)"));
  qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
  QLocale::setDefault(QLocale::system());
}

TEST(Form, ModalLoopsEndByButtonOrByClosing) {
  TForm form(nullptr);
  auto* ok = new TButton(form.Client());
  ok->SetModalResult(mrOk);
  QTimer::singleShot(0, ok, [ok] { ok->click(); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(form.isVisible());
  QTimer::singleShot(0, &form, [&form] { form.close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

}  // namespace
