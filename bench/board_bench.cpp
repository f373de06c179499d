// board_bench.cpp: painting the board and playing a slide, against copying
// the same pixel bytes with memcpy; and the heap allocations a repaint makes.
#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstring>
#include <map>
#include <vector>

#include "alloc_counter.h"
#include "benchwindow.h"
#include "classlib/messages.h"
#include "classlib/qt/peers.h"

namespace bench {
namespace {

struct BoardCase {
  WindowSize Size;
  int PictureWidth;
  int PictureHeight;
};

// The largest picture the window accepts at its design size (pieces of
// 117 x 112 on a board client of 355 x 341), and pieces of 600 x 330 on a
// maximised window. Each window is then resized to show the whole board and
// nothing beyond it, so that a repaint is exactly the 25 cells.
constexpr BoardCase kDesignBoard{WindowSize::Design, 589, 564};
constexpr BoardCase kLargeBoard{WindowSize::Maximised, 3000, 1650};

// The pixel bytes of the 25 pieces: what a repaint composes and then copies.
std::size_t BoardPixelBytes(const BoardCase& board) {
  return std::size_t{25} * static_cast<std::size_t>(board.PictureWidth / 5) *
         static_cast<std::size_t>(board.PictureHeight / 5) * 4;
}

QString PicturePath(int width, int height) {
  static QTemporaryDir dir;
  static std::map<std::pair<int, int>, QString> written;
  QString& path = written[{width, height}];
  if (path.isEmpty()) path = WritePatternBmp(dir, width, height);
  return path;
}

// A window that took the picture at its own size and was then resized to
// show the whole board, with a game dealt. Returns an empty message when
// ready, else what went wrong.
std::string PrepareBoard(BenchWindow& bench, const BoardCase& board, QPoint* piece = nullptr) {
  QString refusal;
  if (!bench.Open(PicturePath(board.PictureWidth, board.PictureHeight), &refusal)) {
    return "picture refused: " + refusal.toStdString();
  }
  if (!bench.FitWindowToBoard()) return "the board does not fit in the window";
  const QPoint beside = bench.StartBesideBlank();
  if (piece != nullptr) *piece = beside;
  return {};
}

void MemcpyTwice(benchmark::State& state, const BoardCase& board) {
  const std::size_t bytes = BoardPixelBytes(board);
  std::vector<char> picture(bytes, 1);
  std::vector<char> work(bytes, 2);
  std::vector<char> grid(bytes, 3);
  for (auto _ : state) {
    std::memcpy(work.data(), picture.data(), bytes);
    std::memcpy(grid.data(), work.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.counters["pixel_bytes"] = static_cast<double>(bytes);
}

// All 25 cells composed in the work bitmap and put on the grid, as the grid's
// paint message does it (the window procedure included).
void BoardRepaint(benchmark::State& state, const BoardCase& board) {
  BenchWindow bench(board.Size);
  if (const std::string error = PrepareBoard(bench, board); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  classlib::TDrawGrid* grid = bench.Window()->DGMain;
  for (auto _ : state) {
    grid->Perform(classlib::WM_PAINT);
    benchmark::ClobberMemory();
  }
  state.counters["pixel_bytes"] = static_cast<double>(BoardPixelBytes(board));
}

// The same, followed by Qt painting the composed client area into the
// window: what Repaint does.
void BoardRepaintShown(benchmark::State& state, const BoardCase& board) {
  BenchWindow bench(board.Size);
  if (const std::string error = PrepareBoard(bench, board); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  classlib::TDrawGrid* grid = bench.Window()->DGMain;
  for (auto _ : state) grid->Repaint();
}

void SendDoubleClick(QWidget* viewport, QPoint at) {
  QMouseEvent event(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

// One slide as the player makes it: the double-click event goes in, the
// piece moves, the board and the preview repaint, and the events the slide
// posted are handled. The next double-click slides the piece back.
void Slide(benchmark::State& state, const BoardCase& board) {
  BenchWindow bench(board.Size);
  QPoint piece;
  if (const std::string error = PrepareBoard(bench, board, &piece); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  TFrmFR0010MN* window = bench.Window();
  QWidget* viewport = static_cast<QAbstractScrollArea*>(classlib::WidgetOf(*window->DGMain))->viewport();
  const int blankBefore = TFrmFR0010MNView(window).Game().BlankCell();
  // Counts the cells each grid paints, to show what one slide repaints.
  std::int64_t boardCells = 0;
  std::int64_t previewCells = 0;
  const auto counted = [](classlib::TDrawCellEvent paint, std::int64_t& cells) {
    return [paint, &cells](classlib::TObject* sender, int col, int row, classlib::TRect rect,
                           classlib::TGridDrawState drawState) {
      ++cells;
      paint(sender, col, row, rect, drawState);
    };
  };
  window->DGMain->OnDrawCell = counted(window->DGMain->OnDrawCell, boardCells);
  window->DGSub->OnDrawCell = counted(window->DGSub->OnDrawCell, previewCells);
  std::int64_t slides = 0;
  for (auto _ : state) {
    const classlib::TRect cell = window->DGMain->CellRect(window->DGMain->Col(), window->DGMain->Row());
    SendDoubleClick(viewport, QPoint(cell.Left + cell.Width() / 2, cell.Top + cell.Height() / 2));
    QCoreApplication::processEvents();
    ++slides;
  }
  // Every double-click must have moved the piece: after an odd number of
  // slides the blank sits where the piece started.
  const int expected = slides % 2 == 0 ? blankBefore : piece.y() * 5 + piece.x();
  const puzzle::Puzzle& game = TFrmFR0010MNView(window).Game();
  if (game.BlankCell() != expected || !game.Playing) {
    state.SkipWithError("a double-click did not slide the piece");
  }
  state.counters["board_cells"] = benchmark::Counter(static_cast<double>(boardCells),
                                                     benchmark::Counter::kAvgIterations);
  state.counters["preview_cells"] = benchmark::Counter(static_cast<double>(previewCells),
                                                       benchmark::Counter::kAvgIterations);
}

// Heap allocations during full repaints of both grids: composing (the paint
// message) and then also Qt's painting into the window.
void RepaintAllocations(benchmark::State& state, const BoardCase& board) {
  if (!CountsAllocations()) {
    state.SkipWithError("allocations are not counted in this build");
    return;
  }
  BenchWindow bench(board.Size);
  if (const std::string error = PrepareBoard(bench, board); !error.empty()) {
    state.SkipWithError(error.c_str());
    return;
  }
  TFrmFR0010MN* window = bench.Window();
  window->DGMain->Repaint();  // anything made once, on the first paint, is made now
  window->DGSub->Repaint();
  std::int64_t composing = 0;
  std::int64_t shown = 0;
  for (auto _ : state) {
    StartCountingAllocations();
    window->DGMain->Perform(classlib::WM_PAINT);
    window->DGSub->Perform(classlib::WM_PAINT);
    composing += StopCountingAllocations();
    StartCountingAllocations();
    window->DGMain->Repaint();
    window->DGSub->Repaint();
    shown += StopCountingAllocations();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["allocs_per_repaint"] = static_cast<double>(composing) / n;
  state.counters["allocs_per_shown_repaint"] = static_cast<double>(shown) / n;
}

}  // namespace

BENCHMARK_CAPTURE(MemcpyTwice, design, kDesignBoard);
BENCHMARK_CAPTURE(MemcpyTwice, large, kLargeBoard);
BENCHMARK_CAPTURE(BoardRepaint, design, kDesignBoard);
BENCHMARK_CAPTURE(BoardRepaint, large, kLargeBoard);
BENCHMARK_CAPTURE(BoardRepaintShown, design, kDesignBoard);
BENCHMARK_CAPTURE(BoardRepaintShown, large, kLargeBoard);
BENCHMARK_CAPTURE(Slide, design, kDesignBoard);
BENCHMARK_CAPTURE(Slide, large, kLargeBoard);
BENCHMARK_CAPTURE(RepaintAllocations, design, kDesignBoard)->Iterations(50);
BENCHMARK_CAPTURE(RepaintAllocations, large, kLargeBoard)->Iterations(20);

}  // namespace bench
