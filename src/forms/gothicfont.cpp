// gothicfont.cpp: the Japanese Gothic face and its stand-ins.
#include "forms/gothicfont.h"

classlib::TFont GothicFont(int pixelSize) {
  return {{"ＭＳ Ｐゴシック", "MS PGothic", "Meiryo UI", "Yu Gothic UI", "IPAPGothic", "IPA Pゴシック",
           "Noto Sans CJK JP", "VL PGothic", "sans-serif"},
          pixelSize};
}
