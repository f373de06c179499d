// widgets_qt.cpp: the peers of panels, bevels, images, labels, push buttons
// and speed buttons.
#include "classlib/qt/widgets_qt.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>

#include "classlib/application.h"
#include "classlib/bevels.h"
#include "classlib/panel.h"
#include "classlib/qt/accessible_grid.h"
#include "classlib/qt/qcolor.h"
#include "classlib/qt/qfont.h"
#include "classlib/qt/qimage_bridge.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"

namespace classlib {
namespace {

void FillBlock(QPainter& painter, const TRect& b, TColor colour) {
  painter.fillRect(b.Left, b.Top, b.Width(), b.Height(), ToQColor(colour));
}

TRect RectOf(const QWidget* widget) { return {0, 0, widget->width(), widget->height()}; }

class PanelWidget : public QtPeer<QWidget> {
 public:
  PanelWidget(TPanel& panel, QWidget* parent) : QtPeer(parent), panel_(panel) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const TColor face = panel_.Color();
    const auto fill = [&painter](const TRect& b, TColor colour) { FillBlock(painter, b, colour); };
    fill(RectOf(this), face);
    const auto bevel = [&](const TRect& r, TBevelCut cut) {
      if (cut != TBevelCut::bvNone) {
        DrawEdge(r, cut == TBevelCut::bvRaised ? TEdge::PanelRaised : TEdge::PanelLowered, face, fill);
      }
    };
    bevel(RectOf(this), panel_.BevelOuter());
    const int inset = panel_.BevelOuter() != TBevelCut::bvNone ? 1 : 0;
    bevel({inset, inset, width() - inset, height() - inset}, panel_.BevelInner());
  }
  void resizeEvent(QResizeEvent*) override { panel_.Resized(); }

 private:
  TPanel& panel_;
};

class BevelWidget : public QtPeer<QWidget> {
 public:
  BevelWidget(TBevel& bevel, QWidget* parent) : QtPeer(parent), bevel_(bevel) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (bevel_.Shape() != TBevelShape::bsLeftLine) return;
    QPainter painter(this);
    FillBlock(painter, {0, 0, 1, height()}, kEdgeDark);
    FillBlock(painter, {1, 0, 2, height()}, kEdgeLight);
  }

 private:
  TBevel& bevel_;
};

QStyle::StandardPixmap IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtInformation: return QStyle::SP_MessageBoxInformation;
    case TMsgDlgType::mtWarning: return QStyle::SP_MessageBoxWarning;
    case TMsgDlgType::mtError: break;
  }
  return QStyle::SP_MessageBoxCritical;
}

class LabelWidget : public QtPeer<QLabel, TLabelPeer> {
 public:
  LabelWidget(TLabel& label, QWidget* parent) : QtPeer(parent), label_(label) {
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    Invalidate();
  }

  void Invalidate() override {
    setText(ToQString(label_.Caption()));
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (label_.Alignment() == TAlignment::taRightJustify) horizontal = Qt::AlignRight;
    if (label_.Alignment() == TAlignment::taCenter) horizontal = Qt::AlignHCenter;
    setAlignment(horizontal | (label_.Layout() == TTextLayout::tlCenter ? Qt::AlignVCenter : Qt::AlignTop));
    setWordWrap(label_.WordWrap());
    if (label_.Font()) setFont(ToQFont(*label_.Font()));
    if (label_.FontColor()) {
      QPalette colours = palette();
      colours.setColor(QPalette::WindowText, ToQColor(*label_.FontColor()));
      setPalette(colours);
    }
  }

  TSize WrappedExtent(int maxWidth) const override {
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, maxWidth, 10000), Qt::TextWordWrap, text());
    return {r.width(), r.height()};
  }

 private:
  TLabel& label_;
};

class ButtonWidget : public QtPeer<QPushButton> {
 public:
  ButtonWidget(TButton& button, QWidget* parent) : QtPeer(parent), button_(button) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { button_.Click(); });
  }

  void Invalidate() override {
    setText(ToQString(button_.Caption()));
    setDefault(button_.Default());
  }

 private:
  TButton& button_;
};

class SpeedButtonWidget : public QtPeer<QAbstractButton> {
 public:
  SpeedButtonWidget(TSpeedButton& button, QWidget* parent) : QtPeer(parent), button_(button) {
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { button_.Click(); });
  }

  void Invalidate() override {
    // The glyphs with their transparent pixels clear.
    glyph_ = button_.Glyph().Image.IsEmpty() ? QImage() : ToQImage(button_.Glyph());
    disabled_ = button_.DisabledGlyph().Image.IsEmpty() ? QImage() : ToQImage(button_.DisabledGlyph());
    update();
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      // The tip stays up for the application's hint time, and goes as soon
      // as the pointer leaves the button.
      if (button_.ShowHint() && !button_.Hint().IsEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), ToQString(button_.Hint()), this, rect(),
                           Application->HintHidePause());
      }
      return true;
    }
    return QAbstractButton::event(event);
  }

  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const TColor face = backend::ButtonFace();
    p.fillRect(rect(), ToQColor(face));
    const bool down = isDown() || isChecked();
    DrawEdge(RectOf(this), down ? TEdge::ButtonDown : TEdge::ButtonRaised, face,
             [&p](const TRect& b, TColor colour) { FillBlock(p, b, colour); });
    const QImage& image = isEnabled() ? glyph_ : disabled_;
    if (image.isNull()) return;
    const int offset = down ? 1 : 0;
    p.drawImage((width() - image.width()) / 2 + offset, (height() - image.height()) / 2 + offset, image);
  }

 private:
  TSpeedButton& button_;
  QImage glyph_;
  QImage disabled_;
};

}  // namespace

ImageWidget::ImageWidget(TImage& image, QWidget* parent) : QtPeer(parent), image_(image) {
  InstallAccessibleFactory();
}

void ImageWidget::Invalidate() {
  shown_ = QImage();
  update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.Icon()) {
    painter.drawPixmap(0, 0, style()->standardIcon(IconOf(*image_.Icon())).pixmap(width(), height()));
    return;
  }
  if (shown_.isNull() || shownFor_ != size()) {
    shown_ = ToQImage(image_.Shown());
    shownFor_ = size();
  }
  painter.drawImage(0, 0, shown_);
}

namespace backend {

std::unique_ptr<TControlPeer> CreatePeer(TPanel& panel, TWinControl& parent) {
  return std::make_unique<PanelWidget>(panel, ContainerOf(parent));
}
std::unique_ptr<TControlPeer> CreatePeer(TBevel& bevel, TWinControl& parent) {
  return std::make_unique<BevelWidget>(bevel, ContainerOf(parent));
}
std::unique_ptr<TControlPeer> CreatePeer(TImage& image, TWinControl& parent) {
  return std::make_unique<ImageWidget>(image, ContainerOf(parent));
}
std::unique_ptr<TLabelPeer> CreatePeer(TLabel& label, TWinControl& parent) {
  return std::make_unique<LabelWidget>(label, ContainerOf(parent));
}
std::unique_ptr<TControlPeer> CreatePeer(TButton& button, TWinControl& parent) {
  return std::make_unique<ButtonWidget>(button, ContainerOf(parent));
}
std::unique_ptr<TControlPeer> CreatePeer(TSpeedButton& button, TWinControl& parent) {
  return std::make_unique<SpeedButtonWidget>(button, ContainerOf(parent));
}

}  // namespace backend
}  // namespace classlib
