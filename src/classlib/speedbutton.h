// speedbutton.h: a tool-bar button with a 16 x 16 glyph, a tip, and no
// keyboard focus.
#pragma once

#include "classlib/controls.h"
#include "classlib/tstring.h"
#include "platform/raster.h"

namespace classlib {

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TWinControl* parent);

  // The glyph's bottom-left pixel gives its transparent colour. The greyed
  // form shown while the button is disabled is derived from the glyph.
  void SetGlyph(const platform::Surface& glyph);
  const platform::MaskedGlyph& Glyph() const { return glyph_; }
  const platform::MaskedGlyph& DisabledGlyph() const { return disabled_; }

  TString Hint() const { return hint_; }
  // The button shows no text, so its tip is also its name for screen readers.
  void SetHint(const TString& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  // What pressing the button does.
  void Click();

  TNotifyEvent OnClick;

 private:
  platform::MaskedGlyph glyph_;
  platform::MaskedGlyph disabled_;  // the embossed grey form
  TString hint_;
  bool showHint_ = false;
};

}  // namespace classlib
