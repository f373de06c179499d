// gothicfont.cpp: the Japanese Gothic face and its stand-ins.
#include "forms/gothicfont.h"

#include <QStringList>

QFont GothicFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP"),
                    QStringLiteral("VL PGothic"), QStringLiteral("sans-serif")});
  font.setPixelSize(pixelSize);
  return font;
}
