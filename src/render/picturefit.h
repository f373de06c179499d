// picturefit.h: whether a picture of a given size can be cut into the board's
// pieces, and which of the sentences tells the player why not.
#pragma once

#include "classlib/tstring.h"
#include "puzzle/puzzle.h"

namespace render {

using puzzle::kBoardSide;
inline constexpr int kMinPictureSide = 120;

enum class PictureFit { Accepted, TooSmall, TooLarge };

// A picture needs at least 120 pixels each way, width tested first. A piece
// (a fifth of the picture, truncated) must stay below a third of the board's
// client width and height, width tested first.
PictureFit FitPicture(int width, int height, int boardClientWidth, int boardClientHeight);

// The text shown for a refused picture; empty for an accepted one.
classlib::TString RefusalText(PictureFit fit);

}  // namespace render
