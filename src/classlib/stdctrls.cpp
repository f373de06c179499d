// stdctrls.cpp: labels and push buttons.
#include "classlib/stdctrls.h"

#include "classlib/form.h"

namespace classlib {

TLabel::TLabel(TWinControl* parent) : TGraphicControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TLabel::SetCaption(const TString& caption) {
  caption_ = caption;
  Peer().Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Peer().Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
  layout_ = layout;
  Peer().Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Peer().Invalidate();
}

void TLabel::SetFont(const TFont& font) {
  font_ = font;
  Peer().Invalidate();
}

void TLabel::SetFontColor(TColor color) {
  fontColor_ = color;
  Peer().Invalidate();
}

TButton::TButton(TWinControl* parent) : TWinControl(parent) {
  AttachPeer(backend::CreatePeer(*this, *parent));
}

void TButton::SetCaption(const TString& caption) {
  caption_ = caption;
  Peer().Invalidate();
}

void TButton::SetDefault(bool isDefault) {
  default_ = isDefault;
  Peer().Invalidate();
}

void TButton::Click() {
  if (OnClick) OnClick(this);
  if (modalResult_ == 0) return;
  for (TWinControl* control = Parent(); control != nullptr; control = control->Parent()) {
    if (auto* form = dynamic_cast<TForm*>(control)) {
      form->SetModalResult(modalResult_);
      break;
    }
  }
}

}  // namespace classlib
