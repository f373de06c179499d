// speedbutton.h: a tool-bar button with a 16 x 16 glyph, a tip, and no
// keyboard focus.
#pragma once

#include <QAbstractButton>
#include <QImage>

#include "classlib/messages.h"
#include "classlib/tstring.h"
#include "platform/surface.h"

namespace classlib {

class TSpeedButton : public QAbstractButton, public TObject {
  Q_OBJECT

 public:
  explicit TSpeedButton(QWidget* parent);

  // The glyph's bottom-left pixel gives its transparent colour. The greyed
  // form shown while the button is disabled is derived from the glyph.
  void SetGlyph(const platform::Surface& glyph);

  TString Hint() const { return hint_; }
  // The button shows no text, so its tip is also its name for screen readers.
  void SetHint(const TString& hint) {
    hint_ = hint;
    setAccessibleName(QString::fromStdString(hint.Utf8()));
  }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  TNotifyEvent OnClick;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage glyph_;     // with the transparent colour made transparent
  QImage disabled_;  // the embossed grey form
  TString hint_;
  bool showHint_ = false;
};

}  // namespace classlib
