// qfont.h: the class library's fonts as Qt's.
#pragma once

#include <QFont>
#include <QStringList>

#include "classlib/font.h"
#include "classlib/qt/fontfamily.h"
#include "classlib/qt/qstring.h"

namespace classlib {

// Only the first installed face is named: with a list, Qt also asks the
// system for fallback fonts before the first paint.
inline QFont ToQFont(const TFont& font) {
  QStringList faces;
  for (const TString& face : font.Faces) faces << ToQString(face);
  QFont q;
  q.setFamilies(PickInstalledFamily(faces));
  q.setPixelSize(font.PixelSize);
  return q;
}

}  // namespace classlib
