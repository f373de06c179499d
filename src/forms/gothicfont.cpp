// gothicfont.cpp: the Japanese Gothic face and its stand-ins.
#include "forms/gothicfont.h"

#include <QStringList>

#include "classlib/fontfamily.h"

// Only the first installed face is named: with a list, Qt also asks the
// system for fallback fonts before the first paint.
QFont GothicFont(int pixelSize) {
  QFont font;
  font.setFamilies(classlib::PickInstalledFamily(
      {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
       QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"), QStringLiteral("sans-serif")}));
  font.setPixelSize(pixelSize);
  return font;
}
