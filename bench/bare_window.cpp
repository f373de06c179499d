// bare_window.cpp: the smallest Qt Widgets program with a window of the main
// window's size, the memory baseline. Given a size and a picture file, it
// opens that large and decodes and keeps the picture once the window is up,
// as a picture viewer would.
//
//   bare_window [WIDTH HEIGHT [PICTURE]]
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 480);
  window.move(200, 107);
  window.show();
  QImage picture;
  if (argc > 3) {
    const QString path = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(0, &window, [&picture, path] { picture = QImageReader(path).read(); });
  }
  return app.exec();
}
