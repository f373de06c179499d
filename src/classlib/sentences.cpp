// sentences.cpp: the table of refusal and error sentences.
#include "classlib/sentences.h"

namespace classlib {

TString Sentence(TSentence which) {
  switch (which) {
    case TSentence::FileUnusable: break;
    case TSentence::FileOpenFailed:
      return "「%1」を開けません。システムのエラー番号は %2 です。";
    case TSentence::BitmapBadSize:
      return "ビットマップの大きさ (%1 × %2) が正しくありません。";
    case TSentence::BitmapOutOfMemory:
      return "ビットマップ (%1 × %2) を作成するためのメモリが足りません。";
    case TSentence::PictureTooSmall:
      return "120 × 120 [Pixel] 以上のビットマップを指定してください。";
    case TSentence::PictureTooLarge: return "ビットマップが大きすぎます。";
  }
  return "「%1」の画像を読み込めません。";
}

TString Sentence(bmp::BmpError error) {
  using bmp::BmpError;
  switch (error) {
    case BmpError::None:
    case BmpError::Declined:
    case BmpError::OpenFailed: break;
    case BmpError::NotFound: return "「%1」を開けません。ファイルが見つかりません。";
    case BmpError::NoPermission: return "「%1」を開けません。読み取りの権限がありません。";
    case BmpError::IsFolder: return "「%1」はフォルダーなので開けません。";
    case BmpError::NotRegular: return "「%1」は通常のファイルではないので開けません。";
    case BmpError::ReadFailed:
      return "「%1」を読み取れません。読み取り中にエラーが起きました。";
    case BmpError::OutOfMemory: return "「%1」を読み込むためのメモリーが足りません。";
    case BmpError::Empty: return "「%1」は空のファイルです。";
    case BmpError::NotBmp: return "「%1」はビットマップファイルではありません。";
    case BmpError::Truncated: return "「%1」のヘッダーが途中で切れています。";
    case BmpError::BadHeader:
      return "「%1」は対応していない形式のビットマップファイルです。";
    case BmpError::BadSize: return "「%1」の画像の幅か高さが正しくありません。";
    case BmpError::TooLarge: return "「%1」の画像が大きすぎて読み込めません。";
    case BmpError::BadDepth: return "「%1」の色のビット数には対応していません。";
    case BmpError::BadCompression: return "「%1」の圧縮形式には対応していません。";
    case BmpError::BadMasks: return "「%1」の色のビットマスクが正しくありません。";
    case BmpError::BadOffset:
      return "「%1」のピクセルデータの位置が正しくありません。";
    case BmpError::PixelDataShort:
      return "「%1」のピクセルデータが途中で切れています。";
    case BmpError::BadRle:
      return "「%1」の圧縮されたピクセルデータが壊れています。";
    case BmpError::BadColourIndex:
      return "「%1」にパレットにない色を指すピクセルがあります。";
  }
  return Sentence(TSentence::FileUnusable);
}

}  // namespace classlib
