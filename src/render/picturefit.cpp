// picturefit.cpp: the size rules for pictures.
#include "render/picturefit.h"

#include "classlib/sentences.h"

namespace render {

PictureFit FitPicture(int width, int height, int boardClientWidth, int boardClientHeight) {
  if (width < kMinPictureSide || height < kMinPictureSide) return PictureFit::TooSmall;
  const int pieceWidth = width / kBoardSide;
  const int pieceHeight = height / kBoardSide;
  if (pieceWidth >= boardClientWidth / 3 || pieceHeight >= boardClientHeight / 3) {
    return PictureFit::TooLarge;
  }
  return PictureFit::Accepted;
}

classlib::TString RefusalText(PictureFit fit) {
  switch (fit) {
    case PictureFit::TooSmall: return classlib::Sentence(classlib::TSentence::PictureTooSmall);
    case PictureFit::TooLarge: return classlib::Sentence(classlib::TSentence::PictureTooLarge);
    case PictureFit::Accepted: break;
  }
  return {};
}

}  // namespace render
