// benchwindow.h: the main window made ready for measuring on the offscreen
// platform: sized, a picture opened through the Open command, a game dealt.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include "forms/FR0010MN.h"

namespace bench {

// The offscreen screen that the benchmark main sets up: a large desktop, so
// that a maximised window takes pieces of 600 x 330 and 800 x 600.
inline constexpr int kScreenWidth = 3840;
inline constexpr int kScreenHeight = 2160;

// Writes a width x height 24-bit BMP of a busy pattern to `path`; false when
// the file cannot be written.
bool WritePatternBmp(const QString& path, int width, int height);

// The same, into `dir`; returns the file's path.
QString WritePatternBmp(const QTemporaryDir& dir, int width, int height);

enum class WindowSize {
  Design,     // the window as it opens: 640 x 480, a board client of 355 x 341
  Maximised,  // the whole screen
};

// Creates the main window as the program does, shows it and waits until it is
// on the screen; destroys it again at the end.
class BenchWindow {
 public:
  explicit BenchWindow(WindowSize size);
  ~BenchWindow();
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  TFrmFR0010MN* Window() const { return window_; }
  TFrmFR0010MNView View() const { return TFrmFR0010MNView(window_); }

  // Opens `path` through the Open command with the dialog answered. A refusal
  // box is answered too; returns whether the picture was accepted, with the
  // refusal's text in `refusal` otherwise.
  bool Open(const QString& path, QString* refusal = nullptr);

  // Resizes the window so that the board grid shows exactly the whole board,
  // every cell and nothing beyond. Returns whether it does.
  bool FitWindowToBoard();

  // Deals the same game every time (the clock fixed at one second) and makes
  // the piece left of the blank's cell, or right of it in column 0, the
  // current one, so that a double-click slides it. Returns that cell's column
  // and row.
  QPoint StartBesideBlank();

 private:
  TFrmFR0010MN* window_ = nullptr;
};

}  // namespace bench
