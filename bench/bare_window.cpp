// bare_window.cpp: the smallest Qt Widgets program with a window of the main
// window's size, the memory baseline. Given a picture file, it also decodes
// and keeps it once the window is up, as a picture viewer would.
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(640, 480);
  window.move(200, 107);
  window.show();
  QImage picture;
  if (argc > 1) {
    const QString path = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &window, [&picture, path] { picture = QImageReader(path).read(); });
  }
  return app.exec();
}
