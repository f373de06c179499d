// bmploader.cpp: the BMP decoder for the class library, with a sentence for
// every refusal.
#include "classlib/bmploader.h"

#include <QFile>
#include <QFileInfo>

#include "bmp/bmp.h"
#include "classlib/exception.h"
#include "classlib/sentences.h"

namespace classlib {

bool LoadBmpFile(const QString& fileName, platform::Surface& into,
                 const std::function<bool(int, int)>& accept) {
  bmp::BmpLimits limits;
  limits.Accept = accept;
  bmp::BmpLoad load = bmp::LoadBmp(QFile::encodeName(fileName).toStdString(), limits);
  if (load.Error == bmp::BmpError::Declined) return false;
  QString name = QFileInfo(fileName).fileName();
  if (name.isEmpty()) name = fileName;
  if (load.Error == bmp::BmpError::OpenFailed) {
    throw Exception(
        Sentence(TSentence::FileOpenFailed).arg(name, QString::number(load.SystemError)));
  }
  if (!load.Ok()) throw Exception(Sentence(load.Error).arg(name));
  into = std::move(load.Picture);
  return true;
}

}  // namespace classlib
