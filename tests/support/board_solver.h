// board_solver.h: finds slides that bring a dealt board home, for tests that
// play whole games.
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace testsupport {

// The cells whose pieces slide into the blank (the cell of blankPiece), in
// order, to bring every piece home; nothing when no slides can.
std::optional<std::vector<int>> SolveBoard(const std::array<int, 25>& map, int blankPiece);

}  // namespace testsupport
