// stdctrls.h: labels and push buttons.
#pragma once

#include <optional>

#include "classlib/colors.h"
#include "classlib/controls.h"
#include "classlib/font.h"
#include "classlib/tstring.h"

namespace classlib {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Where the text stands between the label's top and bottom.
enum class TTextLayout { tlTop, tlCenter };

// A text on its parent's background, cut at its own edges.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TWinControl* parent);

  TString Caption() const { return caption_; }
  void SetCaption(const TString& caption);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  // Nothing: the parent's font, colour.
  const std::optional<TFont>& Font() const { return font_; }
  void SetFont(const TFont& font);
  const std::optional<TColor>& FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);

  // The size the caption takes, wrapped at `maxWidth`.
  TSize WrappedExtent(int maxWidth) const {
    return static_cast<const TLabelPeer&>(Peer()).WrappedExtent(maxWidth);
  }

 private:
  TString caption_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
  std::optional<TFont> font_;
  std::optional<TColor> fontColor_;
};

// A push button; pressing it sets its form's modal result when it has one.
class TButton : public TWinControl {
 public:
  explicit TButton(TWinControl* parent);

  TString Caption() const { return caption_; }
  void SetCaption(const TString& caption);
  // The default button is pressed by Enter anywhere in its form.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  void SetModalResult(int result) { modalResult_ = result; }

  // What pressing the button does: OnClick, then the form's modal result.
  void Click();

  TNotifyEvent OnClick;

 private:
  TString caption_;
  bool default_ = false;
  int modalResult_ = 0;
};

}  // namespace classlib
