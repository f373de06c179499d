// stdctrls.cpp: labels and push buttons.
#include "classlib/stdctrls.h"

#include <QPalette>

#include "classlib/form.h"
#include "classlib/qt/qcolor.h"
#include "classlib/qt/qfont.h"

namespace classlib {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(false);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TLabel::SetAlignment(TAlignment alignment) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (alignment == TAlignment::taRightJustify) horizontal = Qt::AlignRight;
  if (alignment == TAlignment::taCenter) horizontal = Qt::AlignHCenter;
  setAlignment(horizontal | Qt::AlignTop);
}

TButton::TButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (OnClick) OnClick(this);
    if (modalResult_ == 0) return;
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
      if (auto* form = qobject_cast<TForm*>(w)) {
        form->SetModalResult(modalResult_);
        break;
      }
    }
  });
}

void TLabel::SetFont(const TFont& font) { setFont(ToQFont(font)); }

void TLabel::SetFontColor(TColor color) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, ToQColor(color));
  setPalette(palette);
}

}  // namespace classlib
