// speedbutton.cpp: tool-bar buttons.
#include "classlib/speedbutton.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "classlib/application.h"
#include "platform/qimage_bridge.h"
#include "platform/raster.h"

namespace classlib {
namespace {

QImage ToArgb(const platform::MaskedGlyph& glyph) {
  QImage image(glyph.Image.Width(), glyph.Image.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      line[x] = glyph.IsOpaque(x, y) ? glyph.Image.Pixel(x, y) : 0u;
    }
  }
  return image;
}

void DrawButtonFrame(QPainter& p, const QRect& r, const QColor& face, bool down) {
  // A 2-pixel 3-D edge: raised at rest, sunken while pressed.
  const QColor white(255, 255, 255), grey(128, 128, 128), dark(64, 64, 64);
  const QColor& light = face;
  const int right = r.width() - 1, bottom = r.height() - 1;
  const auto hLine = [&](int x0, int x1, int y, const QColor& c) { p.fillRect(x0, y, x1 - x0 + 1, 1, c); };
  const auto vLine = [&](int x, int y0, int y1, const QColor& c) { p.fillRect(x, y0, 1, y1 - y0 + 1, c); };
  const QColor& outerTL = down ? dark : white;
  const QColor& outerBR = down ? white : dark;
  const QColor& innerTL = down ? grey : light;
  const QColor& innerBR = down ? light : grey;
  hLine(0, right, 0, outerTL);
  vLine(0, 0, bottom, outerTL);
  hLine(0, right, bottom, outerBR);
  vLine(right, 0, bottom, outerBR);
  hLine(1, right - 1, 1, innerTL);
  vLine(1, 1, bottom - 1, innerTL);
  hLine(1, right - 1, bottom - 1, innerBR);
  vLine(right - 1, 1, bottom - 1, innerBR);
}

}  // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
  });
}

void TSpeedButton::SetGlyph(const QImage& glyph) {
  const platform::Surface surface = platform::SurfaceFromQImage(glyph);
  if (surface.IsEmpty()) return;
  const platform::Color transparent = surface.Pixel(0, surface.Height() - 1);
  const platform::MaskedGlyph masked = platform::MaskFromColor(surface, transparent);
  glyph_ = ToArgb(masked);
  disabled_ = ToArgb(platform::DisabledGlyph(masked));
  update();
}

bool TSpeedButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // The tip stays up for the application's hint time, and goes as soon as
    // the pointer leaves the button.
    if (showHint_ && !hint_.isEmpty()) {
      const auto* help = static_cast<QHelpEvent*>(event);
      QToolTip::showText(help->globalPos(), hint_, this, rect(), Application->HintHidePause());
    }
    return true;
  }
  return QAbstractButton::event(event);
}

void TSpeedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor face = palette().color(QPalette::Button);
  p.fillRect(rect(), face);
  const bool down = isDown() || isChecked();
  DrawButtonFrame(p, rect(), face, down);
  const QImage& image = isEnabled() ? glyph_ : disabled_;
  if (image.isNull()) return;
  const int offset = down ? 1 : 0;
  p.drawImage((width() - image.width()) / 2 + offset, (height() - image.height()) / 2 + offset,
              image);
}

}  // namespace classlib
