// resources_test.cpp: the embedded pictures load, have their sizes, and keep
// the colour rules the controls that show them rely on.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QString>
#include <QVector>
#include <cstdlib>

namespace {

QImage Load(const char* name) {
  return QImage(QStringLiteral(":/%1.xpm").arg(QLatin1String(name)));
}

bool IsStandardColour(QRgb pixel) {
  static const QSet<QRgb> kStandard = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
  return kStandard.contains(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
}

// Bounding box of the pixels whose colour differs from `background`.
QRect InkBox(const QImage& image, QRgb background) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

struct Picture {
  const char* name;
  int width;
  int height;
};

constexpr Picture kPictures[] = {
    {"open", 16, 16},       {"shuffle", 16, 16},    {"exit", 16, 16},
    {"hintview", 120, 32},  {"mainview", 120, 32},  {"logo", 200, 50},
    {"numbers", 400, 16},   {"mainicon16", 16, 16}, {"mainicon32", 32, 32},
    {"mainicon48", 48, 48}, {"aboutback", 240, 160}, {"emblem", 32, 32},
};

TEST(Resources, EveryPictureLoadsAtItsSizeInStandardColours) {
  for (const Picture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    const QImage image = Load(picture.name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(picture.width, picture.height));
    int offColour = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qAlpha(pixel) != 0 && !IsStandardColour(pixel)) ++offColour;
      }
    EXPECT_EQ(offColour, 0);
  }
}

// A speed button makes every pixel of the bottom-left colour transparent, so
// that colour must surround the drawing and never appear inside it: every
// such pixel is reached from the border through pixels of the same colour.
TEST(Resources, ButtonGlyphsUseTheirTransparentColourOnlyAround) {
  const struct {
    const char* name;
    QRgb surround;
  } glyphs[] = {{"open", qRgb(0, 128, 0)}, {"shuffle", qRgb(128, 128, 0)},
                {"exit", qRgb(255, 255, 255)}};
  for (const auto& glyph : glyphs) {
    SCOPED_TRACE(glyph.name);
    const QImage image = Load(glyph.name).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.pixel(0, 15), glyph.surround);
    QVector<bool> reached(16 * 16, false);
    QVector<QPoint> todo;
    for (int i = 0; i < 16; ++i)
      todo << QPoint(i, 0) << QPoint(i, 15) << QPoint(0, i) << QPoint(15, i);
    while (!todo.isEmpty()) {
      const QPoint p = todo.takeLast();
      if (!image.rect().contains(p) || reached[p.y() * 16 + p.x()] ||
          image.pixel(p) != glyph.surround)
        continue;
      reached[p.y() * 16 + p.x()] = true;
      todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
    }
    int enclosed = 0, drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        if (image.pixel(x, y) == glyph.surround && !reached[y * 16 + x]) ++enclosed;
        if (image.pixel(x, y) != glyph.surround) ++drawn;
      }
    EXPECT_EQ(enclosed, 0);
    EXPECT_GT(drawn, 16 * 16 / 3);
  }
}

TEST(Resources, NumberGlyphsAreBlackOnWhiteOutlinesInRowsTwoToTwelve) {
  const QImage strip = Load("numbers").convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(strip.size(), QSize(400, 16));
  EXPECT_EQ(qAlpha(strip.pixel(0, 15)), 0);
  QVector<QImage> glyphs;
  for (int k = 0; k < 25; ++k) {
    SCOPED_TRACE(k);
    const QImage glyph = strip.copy(16 * k, 0, 16, 16);
    int black = 0, white = 0, other = 0, outsideRows = 0;
    QRect box;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const QRgb pixel = glyph.pixel(x, y);
        if (qAlpha(pixel) == 0) continue;
        box |= QRect(x, y, 1, 1);
        if (y < 2 || y > 12) ++outsideRows;
        if (pixel == qRgb(0, 0, 0)) ++black;
        else if (pixel == qRgb(255, 255, 255)) ++white;
        else ++other;
      }
    EXPECT_EQ(outsideRows, 0);
    EXPECT_EQ(other, 0);
    EXPECT_GT(black, 10);
    EXPECT_GT(white, black / 2);
    EXPECT_EQ(box.top(), 2);
    EXPECT_EQ(box.bottom(), 12);
    // Drawn at (cell - 16) / 2, the glyph's ink must itself be centred.
    EXPECT_LE(std::abs(box.left() - (15 - box.right())), 1);
    if (k < 9) EXPECT_LE(box.width(), 8);
    else EXPECT_GE(box.width(), 13);
    for (const QImage& earlier : glyphs) EXPECT_TRUE(glyph != earlier);
    glyphs << glyph;
  }
}

TEST(Resources, IconTilesAreOpaqueInsideTheirMargin) {
  const struct {
    const char* name;
    int margin;
  } icons[] = {{"mainicon16", 0}, {"mainicon32", 1}, {"mainicon48", 1}};
  for (const auto& icon : icons) {
    SCOPED_TRACE(icon.name);
    const QImage image = Load(icon.name).convertToFormat(QImage::Format_ARGB32);
    const QRect tile = image.rect().adjusted(icon.margin, icon.margin, -icon.margin, -icon.margin);
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((qAlpha(image.pixel(x, y)) == 255) != tile.contains(x, y)) ++wrong;
    EXPECT_EQ(wrong, 0);
    // Raised: white top-left corner, grey bottom-right corner.
    EXPECT_EQ(image.pixel(tile.topLeft()), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(tile.bottomRight()), qRgb(128, 128, 128));
  }
}

TEST(Resources, LetteringStaysInsideItsBox) {
  const QRgb silver = qRgb(192, 192, 192);
  EXPECT_EQ(InkBox(Load("hintview"), silver), QRect(QPoint(6, 8), QPoint(112, 22)));
  EXPECT_EQ(InkBox(Load("mainview"), silver), QRect(QPoint(2, 8), QPoint(115, 22)));
  const QImage logo = Load("logo");
  EXPECT_TRUE(QRect(QPoint(42, 9), QPoint(157, 40)).contains(InkBox(logo, silver)));
  QRect red;
  for (int y = 0; y < logo.height(); ++y)
    for (int x = 0; x < logo.width(); ++x)
      if (logo.pixel(x, y) == qRgb(255, 0, 0)) red |= QRect(x, y, 1, 1);
  EXPECT_EQ(red, QRect(70, 10, 9, 4));
}

TEST(Resources, AboutPicturesAreFramedAroundAPlainCentre) {
  const QImage back = Load("aboutback");
  EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(back.pixel(239, 159), qRgb(128, 128, 128));
  EXPECT_EQ(back.pixel(1, 1), qRgb(128, 128, 128));
  EXPECT_EQ(back.pixel(238, 158), qRgb(255, 255, 255));
  const QRect centre(QPoint(10, 10), QPoint(229, 149));
  EXPECT_TRUE(InkBox(back.copy(centre), qRgb(192, 192, 192)).isNull());
  // The stud band is embossed all round: its inner ring still has edges.
  EXPECT_EQ(InkBox(back.copy(centre.adjusted(-1, -1, 1, 1)), qRgb(192, 192, 192)),
            QRect(0, 0, 222, 142));

  const QImage emblem = Load("emblem").convertToFormat(QImage::Format_ARGB32);
  int seeThrough = 0;
  for (int y = 0; y < emblem.height(); ++y)
    for (int x = 0; x < emblem.width(); ++x)
      if (qAlpha(emblem.pixel(x, y)) != 255) ++seeThrough;
  EXPECT_EQ(seeThrough, 0);
  // Sunken edge: grey above and left, white below and right, 2 pixels each.
  EXPECT_EQ(emblem.pixel(1, 16), qRgb(128, 128, 128));
  EXPECT_EQ(emblem.pixel(16, 30), qRgb(255, 255, 255));
}

}  // namespace
