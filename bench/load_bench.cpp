// load_bench.cpp: opening a picture through LoadPicture (header checks,
// decoding, geometry, the scaled preview, fresh bitmaps) against decoding the
// same file with Qt's image reader alone.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include "benchwindow.h"
#include "platform/raster.h"

namespace bench {
namespace {

struct PictureCase {
  int Width;
  int Height;
};

constexpr PictureCase kFullHd{1920, 1080};
constexpr PictureCase kLarge{4000, 3000};

QString PicturePath(const PictureCase& picture) {
  static QTemporaryDir dir;
  static QString paths[2];
  QString& path = paths[picture.Width == kFullHd.Width ? 0 : 1];
  if (path.isEmpty()) path = WritePatternBmp(dir, picture.Width, picture.Height);
  return path;
}

// The window is maximised, so that the board takes pieces of up to 800 x 600.
void LoadPicture(benchmark::State& state, const PictureCase& picture) {
  const QString path = PicturePath(picture);
  BenchWindow bench(WindowSize::Maximised);
  TFrmFR0010MN* window = bench.Window();
  for (auto _ : state) {
    const bool accepted = window->LoadPicture(path);
    benchmark::DoNotOptimize(accepted);
  }
  if (!window->PictureReady || window->BmpPicture->Width() != picture.Width) {
    state.SkipWithError("the picture was not accepted");
  }
}

void QImageReaderDecode(benchmark::State& state, const PictureCase& picture) {
  const QString path = PicturePath(picture);
  for (auto _ : state) {
    QImageReader reader(path);
    QImage image = reader.read();
    benchmark::DoNotOptimize(image.constBits());
    if (image.width() != picture.Width) {
      state.SkipWithError("the reader failed");
      break;
    }
  }
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

BENCHMARK_CAPTURE(ScalePreview, 1920x1080, kFullHd)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScalePreview, 4000x3000, kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadPicture, 1920x1080, kFullHd)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(LoadPicture, 4000x3000, kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(QImageReaderDecode, 1920x1080, kFullHd)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(QImageReaderDecode, 4000x3000, kLarge)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace bench
