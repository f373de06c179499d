// board_solver.h: finds slides that bring a dealt board home, for tests that
// play whole games.
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace testsupport {

// The cells whose pieces slide into the blank, in order, after which every
// cell holds its own piece; the blank is the cell that holds blankPiece.
// Nothing when no sequence of slides can do it.
std::optional<std::vector<int>> SolveBoard(const std::array<int, 25>& map, int blankPiece);

}  // namespace testsupport
