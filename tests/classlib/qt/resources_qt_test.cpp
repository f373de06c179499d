// resources_qt_test.cpp: the embedded pictures load, have their sizes, and keep
// the colour rules the controls that show them rely on.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QSet>
#include <QVector>
#include <cstdlib>
#include <vector>

#include "classlib/xpm.h"
#include "resources/pictures.h"

namespace {

// The committed file, as Qt's own reader sees it.
QImage Load(const char* name) {
  return QImage(QStringLiteral(TESSRA_SOURCE_DIR "/resources/%1.xpm").arg(QLatin1String(name)))
      .convertToFormat(QImage::Format_ARGB32);
}

const char* const kPictures[] = {"open",       "shuffle",    "exit",       "hintview",
                                 "mainview",   "logo",       "numbers",    "mainicon16",
                                 "mainicon32", "mainicon48", "aboutback",  "emblem"};

// Our reader, which every toolkit shows, gives Qt's pixels, with None as the
// colour asked for; and it refuses what breaks the format's rules.
TEST(Resources, OurXpmReaderGivesQtsPixels) {
  constexpr classlib::TColor kNone = 0xFF123456u;
  for (const char* name : kPictures) {
    const QImage qt = Load(name);
    const platform::Surface ours = classlib::DecodeXpm(resources::Xpm(name), kNone);
    ASSERT_EQ(std::pair(ours.Width(), ours.Height()), std::pair(qt.width(), qt.height())) << name;
    int differ = 0;
    for (int y = 0; y < qt.height(); ++y) {
      for (int x = 0; x < qt.width(); ++x) {
        const QRgb pixel = qt.pixel(x, y);
        differ += ours.Pixel(x, y) != (qAlpha(pixel) == 0 ? kNone : pixel);
      }
    }
    EXPECT_EQ(differ, 0) << name;
  }
  const char* const good[] = {"2 1 2 1", ". c #FF0000", "x c None", ".x"};
  EXPECT_EQ(classlib::DecodeXpm(good, kNone).Pixel(1, 0), kNone);
  const std::vector<std::vector<const char*>> broken = {
      {"2 1 2 1", ". c #FF0000", "x c None", "."},         // a short row
      {"2 1 2 1", ". c #FF0000", "x c None", ".y"},        // a pixel with no colour
      {"2 1 2 1", ". c #FF00", "x c None", ".x"},          // a colour cut short
      {"2 2 2 1", ". c #FF0000", "x c None", ".x"},        // a row missing
  };
  for (const auto& lines : broken) EXPECT_TRUE(classlib::DecodeXpm(lines).IsEmpty()) << lines.back();
}

TEST(Resources, EveryPictureLoadsAtItsSizeInStandardColours) {
  const QSet<QRgb> standard = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  const struct {
    const char* Name;
    QSize Size;
  } pictures[] = {
      {"open", {16, 16}},       {"shuffle", {16, 16}},    {"exit", {16, 16}},
      {"hintview", {120, 32}},  {"mainview", {120, 32}},  {"logo", {200, 50}},
      {"numbers", {400, 16}},   {"mainicon16", {16, 16}}, {"mainicon32", {32, 32}},
      {"mainicon48", {48, 48}}, {"aboutback", {240, 160}}, {"emblem", {32, 32}},
  };
  for (const auto& picture : pictures) {
    const QImage image = Load(picture.Name);
    EXPECT_EQ(image.size(), picture.Size) << picture.Name;
    int offColour = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        offColour += qAlpha(pixel) != 0 && !standard.contains(pixel | 0xFF000000u);
      }
    }
    EXPECT_EQ(offColour, 0) << picture.Name;
  }
}

// A speed button makes every pixel of the bottom-left colour transparent, so
// that colour must surround the drawing and never appear inside it: every
// such pixel is reached from the border through pixels of the same colour.
TEST(Resources, ButtonGlyphsUseTheirTransparentColourOnlyAround) {
  for (const char* name : {"open", "shuffle", "exit"}) {
    const QImage image = Load(name);
    const QRgb surround = image.pixel(0, 15);
    QVector<bool> reached(16 * 16, false);
    QVector<QPoint> todo;
    for (int i = 0; i < 16; ++i) todo << QPoint(i, 0) << QPoint(i, 15) << QPoint(0, i) << QPoint(15, i);
    while (!todo.isEmpty()) {
      const QPoint p = todo.takeLast();
      if (!image.rect().contains(p) || reached[p.y() * 16 + p.x()] || image.pixel(p) != surround) {
        continue;
      }
      reached[p.y() * 16 + p.x()] = true;
      todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    int enclosed = 0, drawn = 0;
    for (int i = 0; i < 16 * 16; ++i) {
      const bool isSurround = image.pixel(i % 16, i / 16) == surround;
      enclosed += isSurround && !reached[i];
      drawn += !isSurround;
    }
    EXPECT_EQ(enclosed, 0) << name;
    EXPECT_GT(drawn, 16 * 16 / 3) << name;
  }
}

// The board draws number k from the k-th 16 x 16 cell of the strip, centred
// on the piece, over any picture: black on a white outline, all different.
TEST(Resources, NumberGlyphsAreCentredBlackOnWhiteOutlines) {
  const QImage strip = Load("numbers");
  QVector<QImage> seen;
  for (int k = 0; k < 25; ++k) {
    const QImage glyph = strip.copy(16 * k, 0, 16, 16);
    int black = 0, white = 0, other = 0;
    QRect box;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const QRgb pixel = glyph.pixel(x, y);
        if (qAlpha(pixel) == 0) continue;
        box |= QRect(x, y, 1, 1);
        black += pixel == qRgb(0, 0, 0);
        white += pixel == qRgb(255, 255, 255);
        other += pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255);
      }
    }
    EXPECT_EQ(other, 0) << k;
    EXPECT_GT(black, 10) << k;
    EXPECT_GT(white, black / 2) << k;
    EXPECT_EQ(std::pair(box.top(), box.bottom()), std::pair(2, 12)) << k;
    EXPECT_LE(std::abs(box.left() - (15 - box.right())), 1) << k;
    EXPECT_FALSE(seen.contains(glyph)) << k;
    seen << glyph;
  }
}

}  // namespace
