// message_box.h: what a message box shows, read from its widgets as a
// player reads it: the text beside the icon, and the kind the icon stands for.
#pragma once

#include <QLabel>
#include <QStyle>

#include "classlib/msgdialog.h"

namespace testsupport {

struct BoxShown {
  QString Text;
  classlib::TMsgDlgType Type = classlib::TMsgDlgType::mtError;
};

inline BoxShown ReadBox(const QWidget* box) {
  using classlib::TMsgDlgType;
  BoxShown shown{QStringLiteral("?"), TMsgDlgType::mtError};
  if (qobject_cast<const classlib::TMessageForm*>(box) == nullptr) return shown;
  for (const QLabel* label : box->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) shown.Text = label->text();
    if (label->pixmap().isNull()) continue;
    const QImage icon = label->pixmap().toImage();
    for (auto [type, pixmap] : {std::pair{TMsgDlgType::mtInformation, QStyle::SP_MessageBoxInformation},
                                {TMsgDlgType::mtWarning, QStyle::SP_MessageBoxWarning},
                                {TMsgDlgType::mtError, QStyle::SP_MessageBoxCritical}}) {
      if (box->style()->standardIcon(pixmap).pixmap(icon.size()).toImage() == icon) shown.Type = type;
    }
  }
  return shown;
}

}  // namespace testsupport
