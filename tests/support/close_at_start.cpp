// close_at_start.cpp: a library the process tests preload into the real
// program (LD_PRELOAD) to end it the way a player does: once its message
// loop runs, every visible window is closed, a message box first, the main
// window with it. When TESSRA_CLOSED_WINDOWS names a file, each closed
// window's caption and texts are appended to it as one line.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

// Long enough for the main window, or a box at start, to come up first.
constexpr int kCloseAfterMs = 300;

void Record(const QWidget* window) {
  const char* path = std::getenv("TESSRA_CLOSED_WINDOWS");
  if (path == nullptr || *path == '\0') return;
  QStringList parts{window->windowTitle()};
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) parts << label->text();
  }
  QFile log(QString::fromLocal8Bit(path));
  if (log.open(QIODevice::Append | QIODevice::Text)) log.write((parts.join(" | ") + "\n").toUtf8());
}

void CloseWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    Record(window);
    window->close();
  }
}

void CloseWindowsOnceRunning() { QTimer::singleShot(kCloseAfterMs, CloseWindows); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(CloseWindowsOnceRunning)
