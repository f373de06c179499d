// msgdialog.cpp: the standard message box.
#include "classlib/msgdialog.h"
#include "classlib/qt/qstring.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include "classlib/modal.h"
#include "classlib/stdctrls.h"

namespace classlib {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMaxTextWidth = 480;

QStyle::StandardPixmap IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtInformation:
      return QStyle::SP_MessageBoxInformation;
    case TMsgDlgType::mtWarning:
      return QStyle::SP_MessageBoxWarning;
    case TMsgDlgType::mtError:
      break;
  }
  return QStyle::SP_MessageBoxCritical;
}

}  // namespace

TMessageForm::TMessageForm(const TString& message, TMsgDlgType type)
    : TForm(nullptr) {  // owned by the caller alone, who destroys it after showing
  const QString text = ToQString(message);
  SetBorderStyle(TFormBorderStyle::bsDialog);
  auto* icon = new QLabel(Client());
  icon->setPixmap(style()->standardIcon(IconOf(type)).pixmap(kIconSize, kIconSize));
  icon->setGeometry(kMargin, kMargin, kIconSize, kIconSize);

  auto* label = new QLabel(text, Client());
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  const QFontMetrics metrics(label->font());
  const QRect textRect = metrics.boundingRect(QRect(0, 0, kMaxTextWidth, 10000),
                                              Qt::TextWordWrap, text);
  const int textLeft = kMargin + kIconSize + kGap;
  const int textHeight = std::max(textRect.height(), kIconSize);
  label->setGeometry(textLeft, kMargin, textRect.width() + 2, textHeight);

  const int clientWidth = std::max(textLeft + textRect.width() + 2 + kMargin,
                                   kButtonWidth + 2 * kMargin);
  const int buttonTop = kMargin + textHeight + kGap;
  auto* ok = new TButton(Client());
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->setGeometry((clientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
  ok->SetFocus();

  SetClientSize(clientWidth, buttonTop + kButtonHeight + kMargin);
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const TString& text, TMsgDlgType type) {
  return std::make_unique<TMessageForm>(text, type);
}

}  // namespace classlib
