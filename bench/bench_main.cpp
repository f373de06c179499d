// bench_main.cpp: main() of the benchmarks: an offscreen screen of a large
// desktop's size, the application object, then the benchmarks; or, with
// --write-picture, a pattern BMP for the start-up runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "benchwindow.h"
#include "classlib/application.h"

namespace {

// The offscreen platform reads its screens from a JSON file.
QByteArray ScreenConfig() {
  return QStringLiteral(
             R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": %1, "height": %2,)"
             R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
      .arg(bench::kScreenWidth)
      .arg(bench::kScreenHeight)
      .toUtf8();
}

// "--write-picture W H PATH" writes a pattern BMP for the start-up runs.
int WritePicture(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: tessra_bench --write-picture WIDTH HEIGHT PATH\n");
    return 2;
  }
  const QString path = QFile::decodeName(argv[4]);
  return bench::WritePatternBmp(path, std::atoi(argv[2]), std::atoi(argv[3])) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--write-picture") == 0) return WritePicture(argc, argv);
  QTemporaryDir configDir;
  const QString configPath = configDir.filePath(QStringLiteral("screen.json"));
  QFile config(configPath);
  if (!config.open(QIODevice::WriteOnly) || config.write(ScreenConfig()) < 0) return 1;
  config.close();
  const QByteArray platform = "offscreen:configfile=" + QFile::encodeName(configPath);
  setenv("QT_QPA_PLATFORM", platform.constData(), 1);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Owned here, so that Qt is shut down before the program's statics go.
  QApplication app(argc, argv);
  classlib::Application->Initialize(argc, argv);
  const QSize screen = QGuiApplication::primaryScreen()->size();
  if (screen != QSize(bench::kScreenWidth, bench::kScreenHeight)) {
    std::fprintf(stderr, "tessra_bench: the offscreen screen is %dx%d, not %dx%d\n",
                 screen.width(), screen.height(), bench::kScreenWidth, bench::kScreenHeight);
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  classlib::Application->DestroyForms();
  return 0;
}
