// controls_test.cpp: speed buttons, panel edges, images, the exception
// report and modal forms.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "classlib/application.h"
#include "classlib/image.h"
#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "platform/raster.h"
#include "support/driver.h"
#include "support/image_compare.h"

using namespace classlib;

namespace {

// A 16 x 16 glyph: green surround (the bottom-left pixel), a black square
// outline with a yellow inside.
platform::Surface Glyph() {
  platform::Surface image(16, 16);
  image.Fill(platform::Rgb(0, 128, 0));
  for (int y = 4; y < 12; ++y) {
    for (int x = 4; x < 12; ++x) {
      const bool edge = x == 4 || x == 11 || y == 4 || y == 11;
      image.SetPixel(x, y, edge ? clBlack : platform::Rgb(255, 255, 0));
    }
  }
  return image;
}

constexpr TColor kYellow = platform::Rgb(255, 255, 0);

// The glyph's pixel rules are the raster layer's; here the button paints the
// glyph centred, its surround left out, and the greyed form when disabled,
// and a click raises OnClick only while enabled.
TEST(SpeedButton, PaintsItsGlyphByStateAndClicksWhileEnabled) {
  TForm host(nullptr);
  auto* button = new TSpeedButton(&host);
  button->SetGlyph(Glyph());
  button->SetBounds(0, 0, 33, 33);
  int clicks = 0;
  button->OnClick = [&](TObject* sender) { clicks += sender == button; };
  const platform::Surface normal = testdriver::Grab(button);
  EXPECT_EQ(std::pair(normal.Pixel(8 + 4, 8 + 4), normal.Pixel(8 + 6, 8 + 6)), std::pair(clBlack, kYellow));
  EXPECT_NE(normal.Pixel(8 + 2, 8 + 2), platform::Rgb(0, 128, 0));
  testdriver::Click(button);
  EXPECT_EQ(clicks, 1);

  button->SetEnabled(false);
  const platform::Surface greyed = testdriver::Grab(button);
  EXPECT_EQ(std::pair(greyed.Pixel(8 + 4, 8 + 4), greyed.Pixel(8 + 12, 8 + 12)), std::pair(clGray, clWhite));
  testdriver::Click(button);
  EXPECT_EQ(clicks, 1);
}

// The 3-D edges: a button's 2-pixel rim raised at rest and sunken while held,
// and a panel's two 1-pixel bevels; the bottom and right lines take the corners.
TEST(SpeedButton, RimAndPanelBevelsShadeTheirEdges) {
  const auto colours = [](const TControl* control, const std::vector<TPoint>& points) {
    const platform::Surface shot = testdriver::Grab(control);
    std::vector<TColor> found;
    for (const TPoint& p : points) found.push_back(shot.Pixel(p.X, p.Y));
    return found;
  };
  constexpr TColor white = clWhite, grey = clGray, dark = platform::Rgb(64, 64, 64);
  TForm host(nullptr);
  auto* button = new TSpeedButton(&host);
  button->SetBounds(0, 0, 33, 33);
  const TColor face = testdriver::Grab(button).Pixel(16, 16);
  EXPECT_EQ(colours(button, {{0, 0}, {32, 0}, {1, 1}, {31, 1}, {31, 31}}),
            std::vector<TColor>({white, dark, face, grey, grey}));
  testdriver::Press(button);
  EXPECT_EQ(colours(button, {{0, 0}, {0, 32}, {1, 1}, {1, 31}, {31, 31}}),
            std::vector<TColor>({dark, white, grey, face, face}));
  auto* panel = new TPanel(&host);
  panel->SetBounds(0, 0, 20, 10);
  panel->SetColor(clSilver);
  panel->SetBevelOuter(TBevelCut::bvLowered);
  panel->SetBevelInner(TBevelCut::bvRaised);
  EXPECT_EQ(colours(panel, {{0, 0}, {19, 0}, {1, 1}, {18, 1}, {2, 2}}),
            std::vector<TColor>({grey, white, white, grey, clSilver}));
}

// A stretched picture is scaled by our raster, the same on every system;
// an unstretched one is cut at the control's edges.
TEST(Image, ShowsItsPictureScaledByOurRasterOrCut) {
  platform::Surface picture(3, 2);
  const TColor colours[] = {clBlack, clWhite, platform::Rgb(255, 0, 0), platform::Rgb(0, 0, 255), clSilver, clGray};
  for (int i = 0; i < 6; ++i) picture.SetPixel(i % 3, i / 3, colours[i]);
  TForm host(nullptr);
  host.SetClientSize(40, 40);
  auto* image = new TImage(&host);
  image->SetPicture(picture);
  struct Case {
    bool Stretch;
    int Width, Height;
  };
  for (const Case c : {Case{true, 7, 5}, Case{true, 2, 1}, Case{false, 2, 2}}) {
    image->SetStretch(c.Stretch);
    image->SetBounds(0, 0, c.Width, c.Height);
    platform::Surface expected(c.Width, c.Height);
    if (c.Stretch) {
      platform::StretchBlt(expected, {0, 0, c.Width, c.Height}, picture, {0, 0, 3, 2});
    } else {
      platform::BitBlt(expected, 0, 0, c.Width, c.Height, picture, 0, 0, platform::RasterOp::Copy);
    }
    EXPECT_TRUE(testsupport::SameImage("image-" + std::to_string(c.Width), testdriver::Grab(image), expected));
  }
}

TEST(Application, TheExceptionReportAddsAFullStopUnderTheTitle) {
  Application->SetTitle("Tessra");
  std::tuple<TString, TString, TMsgDlgType> shown;  // text, caption, type
  SetNextModalAnswer([&](TForm* window) {
    const auto* box = dynamic_cast<TMessageForm*>(window);
    if (box != nullptr) shown = {box->Text(), box->Caption(), box->Type()};
    return mrOk;
  });
  Application->ShowException(Exception("読めません"));
  EXPECT_EQ(shown, std::tuple(TString("読めません."), TString("Tessra"), TMsgDlgType::mtError));
}

TEST(Form, ModalLoopsEndByButtonOrByClosing) {
  TForm form(nullptr);
  auto* ok = new TButton(&form);
  ok->SetBounds(10, 10, 75, 25);
  ok->SetModalResult(mrOk);
  testdriver::Later([ok] { testdriver::Click(ok); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(form.Visible());
  testdriver::Later([&form] { testdriver::CloseWindow(&form); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

}  // namespace
