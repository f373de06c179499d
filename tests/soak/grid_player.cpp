// grid_player.cpp: a random player on the board grid's mouse events.
#include "soak/grid_player.h"

#include <algorithm>
#include <vector>

#include "forms/FR0010MN.h"
#include "support/board_solver.h"
#include "support/driver.h"

namespace soak {
namespace {

constexpr int kSide = 5;
constexpr int kCells = kSide * kSide;
// Posted events (repaint requests, deferred deletes) are let through this
// often, as a running event loop would.
constexpr int kEventsPerFlush = 256;

std::string CellText(int cell) {
  return '(' + std::to_string(cell % kSide) + ", " + std::to_string(cell / kSide) + ')';
}

std::string BoardText(const std::array<int, kCells>& board) {
  std::string text;
  for (int i = 0; i < kCells; ++i) text += (i % kSide == 0 ? "\n  " : " ") + std::to_string(board[i]);
  return text;
}

bool Adjacent(int a, int b) {
  const int dc = a % kSide - b % kSide;
  const int dr = a / kSide - b / kSide;
  return dc * dc + dr * dr == 1;
}

}  // namespace

GridPlayer::GridPlayer(TFrmFR0010MN* window, std::uint64_t seed)
    : window_(window), random_(seed) {
  board_ = View().Game().PieceMap;
}

std::string GridPlayer::Play(int slides) {
  if (std::string error = Resync(); !error.empty()) return error;
  const int target = slides_ + slides;
  while (slides_ < target) {
    if (std::string error = Step(); !error.empty()) return error;
    if (std::string error = DealIfSolved(); !error.empty()) return error;
    if (events_ % kEventsPerFlush == 0) testdriver::ProcessEvents();
  }
  return {};
}

std::string GridPlayer::PlayHome() {
  if (std::string error = Resync(); !error.empty()) return error;
  const auto moves = testsupport::SolveBoard(board_, View().Game().BlankPiece);
  if (!moves) return "the deal cannot be brought home:" + BoardText(board_);
  for (int from : *moves) {
    DoubleClick(from);
    SlideInCopy(from);
    if (std::string error = Check("a slide home"); !error.empty()) return error;
  }
  return View().Game().Playing ? "the game goes on after every piece came home" : "";
}

std::string GridPlayer::Step() {
  // Mostly slides; one event in eight tries something the rules refuse.
  switch (std::uniform_int_distribution<int>(0, 23)(random_)) {
    case 0: return ClickBlank();
    case 1: return DoubleClickBlank();
    case 2: return DoubleClickFar();
    default: return SlideNeighbour();
  }
}

std::string GridPlayer::SlideNeighbour() {
  const int blank = BlankCell();
  std::vector<int> choices;
  for (int cell = 0; cell < kCells; ++cell) {
    if (Adjacent(cell, blank) && cell != previousBlank_) choices.push_back(cell);
  }
  // Going back is allowed only from a corner reached by the last slide.
  if (choices.empty()) choices.push_back(previousBlank_);
  const int from = choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
  DoubleClick(from);
  SlideInCopy(from);
  if (SelectedCell() != blank) return "the selection did not follow the slide to " + CellText(blank);
  return Check("a double-click beside the blank");
}

std::string GridPlayer::ClickBlank() {
  const int selected = SelectedCell();
  Click(BlankCell());
  if (SelectedCell() != selected) return "a click selected the blank at " + CellText(BlankCell());
  return Check("a click on the blank");
}

std::string GridPlayer::DoubleClickBlank() {
  // The click is refused, so the double-click acts on the selected piece,
  // which slides when it stands beside the blank.
  const int selected = SelectedCell();
  const int blank = BlankCell();
  DoubleClick(blank);
  if (Adjacent(selected, blank)) {
    SlideInCopy(selected);
    if (SelectedCell() != blank) return "the selection did not follow a slide";
  } else if (SelectedCell() != selected) {
    return "a double-click on the blank moved the selection";
  }
  return Check("a double-click on the blank");
}

std::string GridPlayer::DoubleClickFar() {
  const int blank = BlankCell();
  std::vector<int> distant;
  for (int cell = 0; cell < kCells; ++cell) {
    if (cell != blank && !Adjacent(cell, blank)) distant.push_back(cell);
  }
  const int cell = distant[std::uniform_int_distribution<std::size_t>(0, distant.size() - 1)(random_)];
  DoubleClick(cell);
  if (SelectedCell() != cell) return "a click did not select " + CellText(cell);
  return Check("a double-click away from the blank");
}

void GridPlayer::SlideInCopy(int from) {
  const int blank = BlankCell();
  std::swap(board_[static_cast<std::size_t>(from)], board_[static_cast<std::size_t>(blank)]);
  previousBlank_ = blank;
  ++slides_;
}

std::string GridPlayer::DealIfSolved() {
  // The copy is a permutation of the cells, so only the home board is sorted.
  if (!std::is_sorted(board_.begin(), board_.end())) return {};
  if (View().Game().Playing) return "the board is solved but the game goes on";
  const std::int64_t seconds = ++clock_;
  View().SetClock([seconds] { return seconds; });
  testdriver::Click(window_->SpbStart);
  ++events_;
  ++deals_;
  return Resync();
}

std::string GridPlayer::Resync() {
  const auto& map = View().Game().PieceMap;
  std::array<int, kCells> sorted = map;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < kCells; ++i) {
    if (sorted[static_cast<std::size_t>(i)] != i) return "a deal that is no permutation:" + BoardText(map);
  }
  board_ = map;
  previousBlank_ = -1;
  return Check("a deal");
}

void GridPlayer::Click(int cell) {
  const classlib::TPoint at = PointIn(cell);
  testdriver::ClickAt(window_->DGMain, at.X, at.Y);
  ++events_;
}

// A click, then the double-click event and the release, the order in which
// the window system delivers a real double-click.
void GridPlayer::DoubleClick(int cell) {
  const classlib::TPoint at = PointIn(cell);
  testdriver::DoubleClickAt(window_->DGMain, at.X, at.Y);
  events_ += 3;
}

// The middle of the cell's visible part. A board larger than its grid is
// scrolled first, through the scroll bars as a player would, so that the
// cell starts at the grid's top left corner.
classlib::TPoint GridPlayer::PointIn(int cell) {
  classlib::TDrawGrid* grid = window_->DGMain;
  const int col = cell % kSide;
  const int row = cell / kSide;
  classlib::TRect r = grid->CellRect(col, row);
  if (r.Width() <= 0 || r.Right > grid->ClientWidth() || r.Bottom > grid->ClientHeight()) {
    testdriver::ScrollTo(grid, col, row);
    r = grid->CellRect(col, row);
  }
  const int right = std::min(r.Right, grid->ClientWidth());
  const int bottom = std::min(r.Bottom, grid->ClientHeight());
  return {(r.Left + right) / 2, (r.Top + bottom) / 2};
}

int GridPlayer::BlankCell() const {
  const auto at = std::find(board_.begin(), board_.end(), View().Game().BlankPiece);
  return static_cast<int>(at - board_.begin());
}

int GridPlayer::SelectedCell() const {
  return window_->DGMain->Row() * kSide + window_->DGMain->Col();
}

std::string GridPlayer::Check(const char* after) const {
  const auto& game = View().Game();
  const std::string where = std::string(" after ") + after + " (slide " + std::to_string(slides_) + ")";
  if (game.PieceMap != board_) {
    return "the board differs from the expected one" + where + ":" + BoardText(game.PieceMap) +
           "\nexpected:" + BoardText(board_);
  }
  const bool solved = std::is_sorted(board_.begin(), board_.end());
  if (game.Playing == solved) return std::string("the game's running state is wrong") + where;
  if (game.BlankPiece < 0 || game.BlankPiece >= kCells) return "no blank piece" + where;
  const int selected = SelectedCell();
  if (game.Playing && selected == BlankCell()) return "the blank is selected" + where;
  const int piece = game.PieceMap[static_cast<std::size_t>(selected)];
  if (window_->DGSub->Col() != piece % kSide || window_->DGSub->Row() != piece / kSide) {
    return "the preview does not mark the selected piece's home" + where;
  }
  return {};
}

TFrmFR0010MNView GridPlayer::View() const { return TFrmFR0010MNView(window_); }

}  // namespace soak
