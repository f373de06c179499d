// board_solver.cpp: pieces go home a few at a time, row by row, then column
// by column in the last two rows, each group by a breadth-first search over
// the places of the blank and of the group's pieces among the free cells.
#include "support/board_solver.h"

#include <algorithm>
#include <map>

namespace testsupport {
namespace {

constexpr int kSide = 5;
constexpr int kCells = kSide * kSide;
constexpr int kBlank = kCells - 1;  // the blank's label while solving
using Board = std::array<int, kCells>;
using Places = std::array<int, 4>;  // the blank, then up to three pieces; -1 when unused

int Find(const Board& board, int label) {
  return static_cast<int>(std::find(board.begin(), board.end(), label) - board.begin());
}

// Slides pieces, never through locked cells, until each label of the group
// (a label is its own home cell) lies at home.
bool PlaceGroup(Board& board, const std::vector<int>& group, const std::vector<bool>& locked,
                std::vector<int>& moves) {
  Places start{Find(board, kBlank), -1, -1, -1};
  Places goal{-1, -1, -1, -1};
  for (std::size_t i = 0; i < group.size(); ++i) start[i + 1] = Find(board, goal[i + 1] = group[i]);
  std::map<Places, Places> from{{start, start}};
  std::vector<Places> queue{start};
  for (std::size_t next = 0; next < queue.size(); ++next) {
    Places at = queue[next];
    if (std::equal(at.begin() + 1, at.end(), goal.begin() + 1)) {
      std::vector<int> path;
      for (; at != start; at = from[at]) path.push_back(at[0]);
      for (auto cell = path.rbegin(); cell != path.rend(); ++cell) {
        std::swap(board[Find(board, kBlank)], board[*cell]);
        moves.push_back(*cell);
      }
      return true;
    }
    for (int step : {-1, 1, -kSide, kSide}) {
      const int to = at[0] + step;
      const bool offRow = (step == -1 && at[0] % kSide == 0) || (step == 1 && to % kSide == 0);
      if (to < 0 || to >= kCells || offRow || locked[to]) continue;
      Places after = at;
      std::replace(after.begin() + 1, after.end(), to, at[0]);
      after[0] = to;
      if (from.emplace(after, at).second) queue.push_back(after);
    }
  }
  return false;
}

}  // namespace

std::optional<std::vector<int>> SolveBoard(const std::array<int, 25>& map, int blankPiece) {
  // The groups end with the blank in the last cell. So solve towards the
  // home board with its blank walked there (right, then down), and walk it
  // back at the end.
  std::vector<int> walk{blankPiece};
  while (walk.back() % kSide != kSide - 1) walk.push_back(walk.back() + 1);
  while (walk.back() < kCells - kSide) walk.push_back(walk.back() + kSide);
  Board target{};
  for (int cell = 0; cell < kCells; ++cell) target[cell] = cell;
  for (std::size_t i = 1; i < walk.size(); ++i) std::swap(target[walk[i - 1]], target[walk[i]]);
  Board board{};  // each piece labelled with its cell on the target board
  for (int cell = 0; cell < kCells; ++cell) board[cell] = Find(target, map[cell]);

  std::vector<bool> locked(kCells, false);
  std::vector<int> moves;
  for (const std::vector<int>& group : std::vector<std::vector<int>>{
           {0}, {1}, {2}, {3, 4}, {5}, {6}, {7}, {8, 9}, {10}, {11}, {12}, {13, 14},
           {15, 20}, {16, 21}, {17, 22}, {18, 19, 23}}) {
    if (!PlaceGroup(board, group, locked, moves)) return std::nullopt;
    for (int cell : group) locked[cell] = true;
  }
  moves.insert(moves.end(), walk.rbegin() + 1, walk.rend());
  return moves;
}

}  // namespace testsupport
