// speedbutton.cpp: tool-bar buttons.
#include "classlib/speedbutton.h"
#include "classlib/qt/qimage_bridge.h"
#include "classlib/qt/qstring.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "classlib/application.h"
#include "classlib/bevels.h"
#include "platform/raster.h"

namespace classlib {
namespace {


}  // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
  });
}

void TSpeedButton::SetGlyph(const platform::Surface& surface) {
  if (surface.IsEmpty()) return;
  const platform::Color transparent = surface.Pixel(0, surface.Height() - 1);
  const platform::MaskedGlyph masked = platform::MaskFromColor(surface, transparent);
  glyph_ = ToQImage(masked);
  disabled_ = ToQImage(platform::DisabledGlyph(masked));
  update();
}

bool TSpeedButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // The tip stays up for the application's hint time, and goes as soon as
    // the pointer leaves the button.
    if (showHint_ && !hint_.IsEmpty()) {
      const auto* help = static_cast<QHelpEvent*>(event);
      QToolTip::showText(help->globalPos(), ToQString(hint_), this, rect(), Application->HintHidePause());
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
  DrawEdge(p, rect(), down ? TEdge::ButtonDown : TEdge::ButtonRaised, EdgePalette(face));
  const QImage& image = isEnabled() ? glyph_ : disabled_;
  if (image.isNull()) return;
  const int offset = down ? 1 : 0;
  p.drawImage((width() - image.width()) / 2 + offset, (height() - image.height()) / 2 + offset,
              image);
}

}  // namespace classlib
