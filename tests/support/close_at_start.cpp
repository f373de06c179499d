// close_at_start.cpp: a library the process tests preload into the real
// program (LD_PRELOAD) to end it the way a player does: once its message
// loop runs, every visible window is closed, the main window with them.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

// Long enough for the main window to be shown and painted first.
constexpr int kCloseAfterMs = 300;

void CloseWindowsOnceRunning() {
  QTimer::singleShot(kCloseAfterMs, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) window->close();
    }
  });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(CloseWindowsOnceRunning)
