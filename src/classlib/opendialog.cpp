// opendialog.cpp: the file-open dialog.
#include "classlib/opendialog.h"
#include "classlib/qt/qstring.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "classlib/modal.h"

namespace classlib {

TOpenDialog::TOpenDialog(QObject* owner) : QObject(owner) {}

QStringList TOpenDialog::NameFilters() const {
  const QStringList parts = ToQString(filter_).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses at the end of the entry; a
    // description that already ends with them is shown as it stands.
    filters << (description.endsWith(QLatin1Char(')'))
                    ? description
                    : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return filters;
}

bool TOpenDialog::Execute() {
  TFileAnswer chosen;
  if (std::optional<TFileAnswer> answer = TakeFileAnswer()) {
    chosen = *answer;
  } else {
    // The desktop's own dialog where the platform theme offers one (a GNOME
    // or KDE session, the desktop portal), Qt's own otherwise.
    QFileDialog dialog(QApplication::activeWindow(), ToQString(title_));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(NameFilters());
    if (!fileName_.IsEmpty()) {
      const QString last = ToQString(fileName_);
      dialog.setDirectory(QFileInfo(last).absolutePath());
      dialog.selectFile(last);
    }
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
      chosen = FromQString(dialog.selectedFiles().constFirst());
    }
  }
  if (!chosen) return false;
  fileName_ = *chosen;
  return true;
}

}  // namespace classlib
