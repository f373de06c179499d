// opendialog.h: the file-open dialog, reused so that each use starts from
// the file chosen last.
#pragma once

#include <QObject>
#include <QString>

namespace classlib {

class TOpenDialog : public QObject {
  Q_OBJECT

 public:
  explicit TOpenDialog(QObject* owner);

  QString Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  // Entries "description|pattern", separated by "|" as well.
  QString Filter() const { return filter_; }
  void SetFilter(const QString& filter) { filter_ = filter; }
  QString FileName() const { return fileName_; }
  void SetFileName(const QString& fileName) { fileName_ = fileName; }

  // Shows the dialog; returns true when an existing file was chosen, which
  // FileName then holds. A queued file answer (modal.h) takes the dialog's
  // place.
  bool Execute();

  // The filter as Qt's dialog takes it: one "description (patterns)" each.
  QStringList NameFilters() const;

 private:
  QString title_;
  QString filter_;
  QString fileName_;
};

}  // namespace classlib
