// stdctrls.h: labels and push buttons.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "classlib/messages.h"
#include "classlib/colors.h"
#include "classlib/font.h"
#include "classlib/tstring.h"

namespace classlib {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text on its parent's background, cut at its own edges.
class TLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLabel(QWidget* parent);
  void SetCaption(const TString& caption) { setText(QString::fromStdString(caption.Utf8())); }
  TString Caption() const { return text().toStdString(); }
  void SetAlignment(TAlignment alignment);
  void SetWordWrap(bool wrap) { setWordWrap(wrap); }
  void SetFont(const TFont& font);
  void SetFontColor(TColor color);
};

// A push button; pressing it sets its form's modal result when it has one.
class TButton : public QPushButton, public TObject {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent);
  void SetCaption(const TString& caption) { setText(QString::fromStdString(caption.Utf8())); }
  // The default button is pressed by Enter anywhere in its form.
  void SetDefault(bool isDefault) { setDefault(isDefault); }
  void SetModalResult(int result) { modalResult_ = result; }
  void SetFocus() { setFocus(); }

  TNotifyEvent OnClick;

 private:
  int modalResult_ = 0;
};

}  // namespace classlib
