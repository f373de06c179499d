// load_bench.cpp: opening a picture through LoadPicture (header checks,
// decoding, geometry, the scaled preview, fresh bitmaps) against decoding the
// same file with Qt's image reader alone, in 24-bit, 8-bit and RLE8; pictures
// whose pixels start 4 GiB into a sparse file; and the intake's peak memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <map>

#include "benchwindow.h"
#include "classlib/qt/qstring.h"
#include "bmp/header.h"
#include "platform/raster.h"
#include "soak/process_memory.h"
#include "support/bmp_bytes.h"

namespace bench {
namespace {

enum class Kind { Rgb24, Pal8, Rle8 };

struct PictureCase {
  int Width;
  int Height;
  Kind Form = Kind::Rgb24;
  std::uint32_t Gap = 0;  // pixel offset far into a sparse file; 0 for none
};

constexpr PictureCase kFullHd{1920, 1080};
constexpr PictureCase kLarge{4000, 3000};
constexpr PictureCase kLarge8{4000, 3000, Kind::Pal8};
constexpr PictureCase kLargeRle8{4000, 3000, Kind::Rle8};
constexpr PictureCase kGap8{200, 200, Kind::Pal8, 0xFFFF0000u};
constexpr PictureCase kGapRle8{200, 200, Kind::Rle8, 0xFFFF0000u};

// A busy 8-bit pattern: runs of about 37 pixels, so that RLE8 has work to do.
std::uint8_t IndexAt(int x, int y) { return static_cast<std::uint8_t>(x / 37 * 7 + y / 23 * 3); }

testsupport::Bytes PalettePixels(const PictureCase& p) {
  testsupport::Bytes pixels;
  const int stride = (p.Width + 3) / 4 * 4;
  for (int y = p.Height - 1; y >= 0; --y) {
    if (p.Form == Kind::Pal8) {
      for (int x = 0; x < stride; ++x) pixels.push_back(x < p.Width ? IndexAt(x, y) : 0);
      continue;
    }
    for (int x = 0; x < p.Width;) {
      int run = 1;
      while (run < 255 && x + run < p.Width && IndexAt(x + run, y) == IndexAt(x, y)) ++run;
      pixels.insert(pixels.end(), {static_cast<std::uint8_t>(run), IndexAt(x, y)});
      x += run;
    }
    pixels.insert(pixels.end(), {0, 0});
  }
  pixels.insert(pixels.end(), {0, 1});
  return pixels;
}

// Palette files are written with their pixels at the gap's offset, the
// bytes before it never written: a sparse file.
QString WritePalette(const QTemporaryDir& dir, const PictureCase& p) {
  testsupport::BmpSpec file;
  file.Width = p.Width;
  file.Height = p.Height;
  file.Bits = 8;
  file.Compression = p.Form == Kind::Rle8 ? 1 : 0;
  for (int i = 0; i < 256; ++i) {
    file.Palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i * 5)});
  }
  file.Pixels = PalettePixels(p);
  if (p.Gap != 0) file.Offset = p.Gap;
  testsupport::Bytes bytes = file.Build();
  const std::size_t headers = bytes.size() - file.Pixels.size();
  const QString path = dir.filePath(QStringLiteral("%1x%2-%3-%4.bmp")
                                        .arg(p.Width)
                                        .arg(p.Height)
                                        .arg(static_cast<int>(p.Form))
                                        .arg(p.Gap));
  const int fd = ::open(path.toLocal8Bit().constData(), O_CREAT | O_WRONLY | O_TRUNC, 0600);
  const std::uint64_t at = p.Gap != 0 ? p.Gap : headers;
  const bool written =
      fd >= 0 && ::pwrite(fd, bytes.data(), headers, 0) == static_cast<ssize_t>(headers) &&
      ::pwrite(fd, bytes.data() + headers, file.Pixels.size(), static_cast<off_t>(at)) ==
          static_cast<ssize_t>(file.Pixels.size());
  if (fd >= 0) ::close(fd);
  return written ? path : QString();
}

QString PicturePath(const PictureCase& p) {
  static QTemporaryDir dir;
  static std::map<std::tuple<int, int, int, std::uint32_t>, QString> paths;
  QString& path = paths[{p.Width, p.Height, static_cast<int>(p.Form), p.Gap}];
  if (path.isEmpty()) {
    path = p.Form == Kind::Rgb24 ? WritePatternBmp(dir, p.Width, p.Height) : WritePalette(dir, p);
  }
  return path;
}

// The window is maximised, so that the board takes pieces of up to 800 x 600.
void LoadPicture(benchmark::State& state, const PictureCase& picture) {
  const QString path = PicturePath(picture);
  BenchWindow bench(WindowSize::Maximised);
  TFrmFR0010MN* window = bench.Window();
  for (auto _ : state) {
    const bool accepted = window->LoadPicture(classlib::FromQString(path));
    benchmark::DoNotOptimize(accepted);
  }
  const TFrmFR0010MNView view(window);
  if (!view.PictureReady() || view.BmpPicture()->Width() != picture.Width) {
    state.SkipWithError("the picture was not accepted");
  }
}

// Palette pictures come out of Qt's reader as indices; the conversion to
// 32-bit pixels, which showing them needs, is counted with the read.
void QImageReaderDecode(benchmark::State& state, const PictureCase& picture) {
  const QString path = PicturePath(picture);
  for (auto _ : state) {
    QImageReader reader(path);
    QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    benchmark::DoNotOptimize(image.constBits());
    if (image.width() != picture.Width) {
      state.SkipWithError("the reader failed");
      break;
    }
  }
}

void Intake(benchmark::State& state, const PictureCase& picture) {
  const std::string path = PicturePath(picture).toStdString();
  for (auto _ : state) {
    bmp::BmpLoad load = bmp::LoadBmp(path);
    benchmark::DoNotOptimize(load.Picture.Bits());
    if (!load.Ok()) state.SkipWithError("the picture was refused");
  }
}

// The intake's peak resident growth over the surface it returns, in MiB.
void IntakeMemory(benchmark::State& state, const PictureCase& picture) {
  const std::string path = PicturePath(picture).toStdString();
  double growth = 0;
  for (auto _ : state) {
    soak::ResetPeakResident();
    const long before = soak::ResidentKiB().value_or(0);
    bmp::BmpLoad load = bmp::LoadBmp(path);
    const long peak = soak::PeakResidentKiB().value_or(0);
    if (!load.Ok()) state.SkipWithError("the picture was refused");
    growth = static_cast<double>(peak - before) / 1024;
  }
  const double surface = static_cast<double>(picture.Width) * picture.Height * 4 / (1 << 20);
  state.counters["surface_mib"] = surface;
  state.counters["peak_growth_mib"] = growth;
  state.counters["over_surface_mib"] = growth - surface;
}

// The preview's share of a load: the whole picture scaled into the preview
// grid's client area (241 x 241), each preview pixel the mean of its area.
void ScalePreview(benchmark::State& state, const PictureCase& picture) {
  platform::Surface source(picture.Width, picture.Height);
  for (int y = 0; y < picture.Height; ++y) {
    platform::Color* row = source.Row(y);
    for (int x = 0; x < picture.Width; ++x) row[x] = platform::Rgb(x * 7, y * 5, (x + y) * 3);
  }
  platform::Surface preview(241, 241);
  for (auto _ : state) {
    platform::StretchBlt(preview, {0, 0, 241, 241}, source, {0, 0, picture.Width, picture.Height});
    benchmark::ClobberMemory();
  }
}

}  // namespace

#define TESSRA_LOAD_CASE(name, picture)                                                         \
  BENCHMARK_CAPTURE(LoadPicture, name, picture)->Unit(benchmark::kMillisecond)->UseRealTime(); \
  BENCHMARK_CAPTURE(QImageReaderDecode, name, picture)                                          \
      ->Unit(benchmark::kMillisecond)                                                           \
      ->UseRealTime();                                                                          \
  BENCHMARK_CAPTURE(Intake, name, picture)->Unit(benchmark::kMillisecond)->UseRealTime();       \
  BENCHMARK_CAPTURE(IntakeMemory, name, picture)->Iterations(1)

BENCHMARK_CAPTURE(ScalePreview, 1920x1080, kFullHd)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScalePreview, 4000x3000, kLarge)->Unit(benchmark::kMillisecond);
TESSRA_LOAD_CASE(1920x1080, kFullHd);
TESSRA_LOAD_CASE(4000x3000, kLarge);
TESSRA_LOAD_CASE(4000x3000_8bit, kLarge8);
TESSRA_LOAD_CASE(4000x3000_rle8, kLargeRle8);
// Qt's reader would read the 4 GiB gap: only our load is timed there.
BENCHMARK_CAPTURE(LoadPicture, gap_8bit, kGap8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LoadPicture, gap_rle8, kGapRle8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(IntakeMemory, gap_8bit, kGap8)->Iterations(1);
BENCHMARK_CAPTURE(IntakeMemory, gap_rle8, kGapRle8)->Iterations(1);

}  // namespace bench
