// board_solver.cpp: pieces go home a few at a time, row by row, then column
// by column in the last two rows, each group by a breadth-first search over
// the places of the blank and of the group's pieces in the cells still free.
#include "support/board_solver.h"

#include <bitset>
#include <utility>

namespace testsupport {
namespace {

constexpr int kSide = 5;
constexpr int kCells = kSide * kSide;
constexpr int kBlank = kCells - 1;  // the blank's label while solving
using Board = std::array<int, kCells>;

int Neighbours(int cell, std::array<int, 4>& out) {
  int count = 0;
  if (cell % kSide != 0) out[count++] = cell - 1;
  if (cell % kSide != kSide - 1) out[count++] = cell + 1;
  if (cell >= kSide) out[count++] = cell - kSide;
  if (cell < kCells - kSide) out[count++] = cell + kSide;
  return count;
}

int Find(const Board& board, int label) {
  int cell = 0;
  while (board[cell] != label) ++cell;
  return cell;
}

void Slide(Board& board, int& blank, int cell, std::vector<int>& moves) {
  std::swap(board[blank], board[cell]);
  blank = cell;
  moves.push_back(cell);
}

// Brings the labels of group (each label is its own home cell) home without
// touching locked cells. A state is the places of the blank and the group,
// each numbered among the free cells.
bool PlaceGroup(Board& board, int& blank, const std::vector<int>& group,
                const std::bitset<kCells>& locked, std::vector<int>& moves) {
  std::vector<int> cellOf;
  std::array<int, kCells> slot{};
  for (int cell = 0; cell < kCells; ++cell) {
    slot[cell] = static_cast<int>(cellOf.size());
    if (!locked.test(cell)) cellOf.push_back(cell);
  }
  const int free = static_cast<int>(cellOf.size());
  const std::size_t parts = group.size() + 1;
  using Places = std::array<int, 4>;  // the blank, then up to three pieces
  const auto encode = [&](const Places& places) {
    int code = 0;
    for (std::size_t i = parts; i-- > 0;) code = code * free + slot[places[i]];
    return code;
  };
  const auto decode = [&](int code) {
    Places places{};
    for (std::size_t i = 0; i < parts; ++i) places[i] = cellOf[code % free], code /= free;
    return places;
  };
  Places start{blank};
  for (std::size_t i = 1; i < parts; ++i) start[i] = Find(board, group[i - 1]);
  int size = 1;
  for (std::size_t i = 0; i < parts; ++i) size *= free;
  std::vector<int> from(static_cast<std::size_t>(size), -1);
  std::vector<int> queue{encode(start)};
  from[queue[0]] = queue[0];
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const Places places = decode(queue[next]);
    bool home = true;
    for (std::size_t i = 1; i < parts; ++i) home = home && places[i] == group[i - 1];
    if (home) {
      std::vector<int> path;
      for (int code = queue[next]; from[code] != code; code = from[code]) path.push_back(decode(code)[0]);
      for (auto it = path.rbegin(); it != path.rend(); ++it) Slide(board, blank, *it, moves);
      return true;
    }
    std::array<int, 4> around{};
    for (int n = Neighbours(places[0], around), i = 0; i < n; ++i) {
      if (locked.test(around[i])) continue;
      Places after = places;
      for (std::size_t j = 1; j < parts; ++j) {
        if (after[j] == around[i]) after[j] = places[0];
      }
      after[0] = around[i];
      const int code = encode(after);
      if (from[code] >= 0) continue;
      from[code] = queue[next];
      queue.push_back(code);
    }
  }
  return false;
}

}  // namespace

std::optional<std::vector<int>> SolveBoard(const std::array<int, 25>& map, int blankPiece) {
  // The groups expect the blank to end in the last cell. Walk the blank from
  // its home there (right, then down) on a solved board, solve towards that
  // board, and walk it back.
  std::vector<int> walk{blankPiece};
  while (walk.back() % kSide != kSide - 1) walk.push_back(walk.back() + 1);
  while (walk.back() < kCells - kSide) walk.push_back(walk.back() + kSide);
  Board target{};
  for (int cell = 0; cell < kCells; ++cell) target[cell] = cell;
  for (std::size_t i = 1; i < walk.size(); ++i) std::swap(target[walk[i - 1]], target[walk[i]]);
  Board board{};
  for (int cell = 0; cell < kCells; ++cell) board[cell] = Find(target, map[cell]);
  int blank = Find(board, kBlank);

  const std::vector<std::vector<int>> groups = {
      {0}, {1}, {2}, {3, 4}, {5}, {6}, {7}, {8, 9}, {10}, {11}, {12}, {13, 14},
      {15, 20}, {16, 21}, {17, 22}, {18, 19, 23}};
  std::bitset<kCells> locked;
  std::vector<int> moves;
  for (const std::vector<int>& group : groups) {
    if (!PlaceGroup(board, blank, group, locked, moves)) return std::nullopt;
    for (int cell : group) locked.set(cell);
  }
  for (std::size_t i = walk.size() - 1; i-- > 0;) moves.push_back(walk[i]);
  return moves;
}

}  // namespace testsupport
