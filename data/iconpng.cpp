// iconpng.cpp: build-time tool that turns one icon XPM into a PNG, optionally
// enlarged by a whole factor with nearest-neighbour sampling.
//
// Usage: iconpng INPUT.xpm OUTPUT.png [FACTOR]
// The icon is pixel art: every source pixel becomes a FACTOR x FACTOR block,
// so the enlarged icon keeps its hard edges instead of blurring them.
// Transparent pixels ("None" in the XPM) stay transparent in the PNG.
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kMaxFactor = 32;

// Reads FACTOR; returns 0 when it is not a whole number in 1..kMaxFactor.
int ParseFactor(const char* text) {
  bool ok = false;
  const int factor = QString::fromLocal8Bit(text).toInt(&ok);
  return ok && factor >= 1 && factor <= kMaxFactor ? factor : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: iconpng INPUT.xpm OUTPUT.png [FACTOR]\n");
    return 2;
  }
  const int factor = argc == 4 ? ParseFactor(argv[3]) : 1;
  if (factor == 0) {
    std::fprintf(stderr, "iconpng: FACTOR must be a whole number from 1 to %d\n", kMaxFactor);
    return 2;
  }

  QImage icon(QString::fromLocal8Bit(argv[1]), "XPM");
  if (icon.isNull()) {
    std::fprintf(stderr, "iconpng: cannot read %s as XPM\n", argv[1]);
    return 1;
  }
  icon = icon.convertToFormat(QImage::Format_ARGB32);
  if (factor > 1) {
    // FastTransformation samples the nearest source pixel; with a whole
    // factor that is an exact block copy of each pixel.
    icon = icon.scaled(icon.width() * factor, icon.height() * factor, Qt::IgnoreAspectRatio,
                       Qt::FastTransformation);
  }
  if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "iconpng: cannot write %s\n", argv[2]);
    return 1;
  }
  return EXIT_SUCCESS;
}
