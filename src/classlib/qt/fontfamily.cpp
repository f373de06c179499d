// fontfamily.cpp: choosing a font family from a list of preferences.
#include "classlib/qt/fontfamily.h"

#include <QFontDatabase>

namespace classlib {

QStringList PickInstalledFamily(const QStringList& families) {
  for (const QString& family : families) {
    if (QFontDatabase::hasFamily(family)) return {family};
  }
  return families;
}

}  // namespace classlib
