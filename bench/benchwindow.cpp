// benchwindow.cpp: setting the main window up for the benchmarks.
#include "benchwindow.h"
#include "classlib/qt/peers.h"
#include "classlib/qt/qstring.h"

#include <QImage>
#include <QImageWriter>
#include <QTest>

#include "classlib/application.h"
#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "puzzle/puzzle.h"
#include "support/message_box.h"

using namespace classlib;

namespace bench {

bool WritePatternBmp(const QString& path, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* line = picture.scanLine(y);
    for (int x = 0; x < width; ++x) {
      line[3 * x + 0] = static_cast<uchar>((x * 7) & 0xFF);
      line[3 * x + 1] = static_cast<uchar>((y * 5) & 0xFF);
      line[3 * x + 2] = static_cast<uchar>(((x + y) * 3) & 0xFF);
    }
  }
  QImageWriter writer(path, "bmp");
  return writer.write(picture);
}

QString WritePatternBmp(const QTemporaryDir& dir, int width, int height) {
  const QString path = dir.filePath(QStringLiteral("pattern-%1x%2.bmp").arg(width).arg(height));
  if (!WritePatternBmp(path, width, height)) qFatal("cannot write %s", qPrintable(path));
  return path;
}

BenchWindow::BenchWindow(WindowSize size) {
  ClearModalAnswers();
  Application->SetTitle("Tessra");
  Application->CreateForm(FrmFR0010MN);
  window_ = FrmFR0010MN;
  QWidget* widget = classlib::WidgetOf(*window_);
  if (size == WindowSize::Maximised) {
    widget->showMaximized();
  } else {
    widget->show();
  }
  if (!QTest::qWaitForWindowExposed(widget)) qFatal("the main window was never exposed");
  QCoreApplication::processEvents();
}

BenchWindow::~BenchWindow() {
  Application->DestroyForms();
  ClearModalAnswers();
}

bool BenchWindow::Open(const QString& path, QString* refusal) {
  SetNextModalAnswer([refusal](classlib::TForm* box) {
    if (refusal != nullptr) *refusal = classlib::ToQString(testsupport::ReadBox(box).Text);
    return mrOk;
  });
  SetNextModalAnswer(classlib::FromQString(path));
  window_->MnuOpenClick(window_->SpbOpen);
  ClearModalAnswers();
  QCoreApplication::processEvents();
  return View().PictureReady();
}

bool BenchWindow::FitWindowToBoard() {
  classlib::TDrawGrid* grid = window_->DGMain;
  const int frame = grid->GridPeer().FrameWidth();
  const int dx = puzzle::kBoardSide * View().PieceWidth() + 2 * frame - grid->Width();
  const int dy = puzzle::kBoardSide * View().PieceHeight() + 2 * frame - grid->Height();
  QWidget* widget = classlib::WidgetOf(*window_);
  widget->showNormal();
  widget->resize(widget->width() + dx, widget->height() + dy);
  QCoreApplication::processEvents();
  const classlib::TRect last = grid->CellRect(puzzle::kBoardSide - 1, puzzle::kBoardSide - 1);
  return last.Right == grid->ClientWidth() && last.Bottom == grid->ClientHeight();
}

QPoint BenchWindow::StartBesideBlank() {
  View().SetClock([] { return std::int64_t{1}; });
  window_->SpbStartClick(window_->SpbStart);
  const int blank = View().Game().BlankCell();
  const int blankCol = blank % puzzle::kBoardSide;
  const QPoint piece(blankCol == 0 ? 1 : blankCol - 1, blank / puzzle::kBoardSide);
  window_->DGMain->SetCol(piece.x());
  window_->DGMain->SetRow(piece.y());
  QCoreApplication::processEvents();
  return piece;
}

}  // namespace bench
