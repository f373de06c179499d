// msgdialog.cpp: the standard message box.
#include "classlib/msgdialog.h"

#include <algorithm>

#include "classlib/modal.h"

namespace classlib {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMaxTextWidth = 480;

}  // namespace

TMessageForm::TMessageForm(const TString& text, TMsgDlgType type)
    : TForm(nullptr) {  // owned by the caller alone, who destroys it after showing
  SetBorderStyle(TFormBorderStyle::bsDialog);
  icon_ = new TImage(this);
  icon_->SetIcon(type);
  icon_->SetBounds(kMargin, kMargin, kIconSize, kIconSize);

  message_ = new TLabel(this);
  message_->SetWordWrap(true);
  message_->SetLayout(TTextLayout::tlCenter);
  message_->SetCaption(text);
  const TSize extent = message_->WrappedExtent(kMaxTextWidth);
  const int textLeft = kMargin + kIconSize + kGap;
  const int textHeight = std::max(extent.Height, kIconSize);
  message_->SetBounds(textLeft, kMargin, extent.Width + 2, textHeight);

  const int clientWidth = std::max(textLeft + extent.Width + 2 + kMargin, kButtonWidth + 2 * kMargin);
  const int buttonTop = kMargin + textHeight + kGap;
  auto* ok = new TButton(this);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetBounds((clientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  ok->SetFocus();

  SetClientSize(clientWidth, buttonTop + kButtonHeight + kMargin);
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const TString& text, TMsgDlgType type) {
  return std::make_unique<TMessageForm>(text, type);
}

}  // namespace classlib
