// bare_window.cpp: the smallest Qt Widgets program with a window of the main
// window's size, the baseline for start-up and memory. It paints one grey
// square and no text, so that the start-up probe sees it draw. With --menu it
// also has a menu bar with the main window's two menu titles in the main
// window's font: the least a window showing that Japanese text costs. Given a
// size and a picture file, it opens that large and decodes and keeps the
// picture once the window is up, as a picture viewer would.
//
//   bare_window [--menu] [WIDTH HEIGHT [PICTURE]]
#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(8, 32, 48, 48, Qt::gray); }
};

void AddMenuBar(QWidget& window) {
  QFont font;
  // The family the main window picks where the benchmarks run.
  font.setFamilies({QStringLiteral("IPAPGothic")});
  font.setPixelSize(12);
  window.setFont(font);
  auto* bar = new QMenuBar(&window);
  bar->addMenu(new QMenu(QStringLiteral("ﾌｧｲﾙ(&F)"), bar));
  bar->addMenu(new QMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"), bar));
  bar->setGeometry(0, 0, window.width(), bar->sizeHint().height());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool menu = argc > 1 && std::strcmp(argv[1], "--menu") == 0;
  char** args = argv + (menu ? 2 : 1);
  const int count = argc - (menu ? 2 : 1);
  BareWindow window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(count > 1 ? std::atoi(args[0]) : 640, count > 1 ? std::atoi(args[1]) : 480);
  window.move(200, 107);
  if (menu) AddMenuBar(window);
  window.show();
  QImage picture;
  if (count > 2) {
    const QString path = QString::fromLocal8Bit(args[2]);
    QTimer::singleShot(0, &window, [&picture, path] { picture = QImageReader(path).read(); });
  }
  return app.exec();
}
