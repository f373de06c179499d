// board_text.h: piece maps for the puzzle tests, written as five lines of numbers.
#pragma once

#include <array>
#include <bitset>
#include <sstream>
#include <string>

#include "puzzle/puzzle.h"

namespace puzzletest {

inline std::array<int, puzzle::kCellCount> MapFromText(const std::string& text) {
  std::array<int, puzzle::kCellCount> map{};
  std::istringstream in(text);
  for (int& piece : map) {
    in >> piece;
  }
  return map;
}

// True when the map holds each of 0..24 exactly once.
inline bool IsPermutation(const std::array<int, puzzle::kCellCount>& map) {
  std::bitset<puzzle::kCellCount> seen;
  for (int piece : map) {
    if (piece < 0 || piece >= puzzle::kCellCount || seen.test(piece)) {
      return false;
    }
    seen.set(piece);
  }
  return true;
}

}  // namespace puzzletest
